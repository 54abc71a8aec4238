#include "plant/SafraUsina.h"

#include <cmath>

#include "plant/EntradasUsina.h"
#include "properties/ArmadilhasPF.h"

ResultadosSafra CalcularSafra(const EntradasSafra& e, const ResultadoUsina& resultado) {
    SuspensaoArmadilhas semArmadilhas;
    const double capacidade = resultado.dados.CapacidadeUsina;  // t cane/h
    const ResultadosGlobais& g = resultado.globais;
    ResultadosSafra s;
    s.Horas = e.DiasSafra * HorasPorDia * e.AproveitamentoMoagem / Porcento;  // h
    s.Cana = capacidade * s.Horas;                                             // t
    s.PotenciaGerador = g.PotenciaEletrica * e.RendimentoGerador / Porcento;   // kW
    s.PotenciaPropria = e.ConsumoEletricoProprio * capacidade;                 // kW
    s.PotenciaExportavel = s.PotenciaGerador - s.PotenciaPropria;              // kW
    s.ExportacaoPorTonelada = s.PotenciaExportavel / capacidade;               // kWh/t
    s.EnergiaGerada = s.PotenciaGerador * s.Horas / KWhPorMWh;                 // MWh
    s.EnergiaPropria = s.PotenciaPropria * s.Horas / KWhPorMWh;                // MWh
    s.EnergiaExportada = s.PotenciaExportavel * s.Horas / KWhPorMWh;           // MWh
    s.BagacoExcedente = (g.BagacoDisponivel - g.ConsumoBagaco) * s.Horas;      // t
    s.ReceitaEnergia = s.EnergiaExportada * e.PrecoEnergia;                    // R$
    s.ReceitaBagaco = s.BagacoExcedente * e.PrecoBagaco;                       // R$
    s.ReceitaTotal = s.ReceitaEnergia + s.ReceitaBagaco;                       // R$
    return s;
}

void CompletarSafra(const EntradasSafra& safra, ResultadoUsina& resultado) {
    resultado.safra.reset();
    if (resultado.situacao == SituacaoCalculo::Completo)
        resultado.safra = CalcularSafra(safra, resultado);
}

std::vector<AvisoUsina> AvisosSafra(const ResultadoUsina& resultado) {
    std::vector<AvisoUsina> avisos;
    if (resultado.situacao != SituacaoCalculo::Completo || !resultado.safra) return avisos;
    const ResultadosSafra& s = *resultado.safra;
    // Quiet comparisons: a figure an absurd plant left NaN raises nothing.
    if (std::isless(s.PotenciaExportavel, 0.0))
        avisos.push_back({TipoAviso::ImportaEnergia, -s.EnergiaExportada});
    if (std::isless(s.BagacoExcedente, 0.0))
        avisos.push_back({TipoAviso::FaltaBagaco, -s.BagacoExcedente});
    return avisos;
}

std::vector<AvisoUsina> AvisosComSafra(const ResultadoUsina& resultado) {
    std::vector<AvisoUsina> avisos = resultado.avisos;
    for (const AvisoUsina& a : AvisosSafra(resultado)) avisos.push_back(a);
    return avisos;
}
