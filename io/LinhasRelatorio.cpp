#include "io/LinhasRelatorio.h"

#include <string_view>

#include "plant/EntradasUsina.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "properties/ArmadilhasPF.h"

namespace {

namespace R = Rotulo;

constexpr double LitroPorMetroCubico = 1000.0;  // dm3/kg -> m3/kg

class Linhas {
public:
    void Texto(std::string_view texto) { linhas_.emplace_back(texto); }
    void Separador() { linhas_.emplace_back(" "); }
    // A caption ending in "= " followed directly by the value in the long format.
    void Valor(std::string_view legenda, double valor) {
        linhas_.push_back(std::string(legenda) + FormatarLongo(valor));
    }
    std::vector<std::string> Resultado() { return std::move(linhas_); }

private:
    std::vector<std::string> linhas_;
};

void Introducao(Linhas& l) {
    l.Texto("Usina — modelagem computacional do sistema de potência de uma usina de açúcar e álcool");
    l.Texto("Caldeira a bagaço, turbinas de acionamento e de geração, bomba de condensado e processo");
    l.Texto("Propriedades da água e do vapor pela equação fundamental de Keenan, Keyes, Hill e Moore (1969)");
    l.Texto("Relatório dos dados de entrada e dos resultados do último cálculo");
}

void Entradas(Linhas& l, const DadosUsina& d, bool comTurbinaAlta) {
    const auto& e = d.Estado;
    l.Separador();
    l.Texto("Dados de Entrada Globais");
    l.Valor("Capacidade da usina [ton de cana/h]= ", d.CapacidadeUsina);
    l.Valor("Vapor por ton de cana [kg]= ", d.VaporPorTonelada);
    l.Valor("Bagaço por ton de cana [kg]= ", d.BagacoPorTonelada);
    l.Valor("PCI do bagaço [kJ/kg]= ", d.PciBagaco);
    l.Valor("Potência de moagem [kWh/ton cana]= ", d.PotenciaMoagemEspecifica);
    l.Texto(comTurbinaAlta ? "Configuração com turbina de alta pressão"
                           : "Configuração sem turbina de alta pressão");
    l.Separador();
    l.Texto("Dados de Entrada");
    l.Valor("Pressão do vapor para processo [bar]= ", e[R::VaporProcesso].p * BarPorMPa);
    l.Valor("Pressão de operação da caldeira [bar]= ", e[R::VaporVivo].p * BarPorMPa);
    l.Valor("Temperatura de saída da caldeira [°C]= ", e[R::VaporVivo].t);
    l.Valor("Eficiência térmica da caldeira [%]= ", d.Eficiencia[R::Combustivel]);
    l.Valor("Pressão de saída turbina de alta pressão [bar]= ", e[R::Coletor].p * BarPorMPa);
    l.Valor("Eficiência isentrópica da turbina de alta pressão [%]= ",
            d.Eficiencia[R::EixoTurbinaAlta]);
    l.Valor("Pressão do condensado de retorno [bar]= ", e[R::CondensadoRetorno].p * BarPorMPa);
    l.Valor("Temperatura do condensado de retorno [°C]= ", e[R::CondensadoRetorno].t);
    l.Valor("Eficiência isentrópica da bomba [%]= ", d.Eficiencia[R::EixoBomba]);
    l.Valor("Eficiência isentrópica da turbobomba [%]= ", d.Eficiencia[R::EixoTurbinaBomba]);
    l.Valor("Eficiência isentrópica da turbomoenda [%]= ", d.Eficiencia[R::EixoTurbinaMoenda]);
    l.Valor("Quantidade de vapor para a válvula de expansão [%]= ", d.PercentualValvula);
    l.Valor("Eficiência isentrópica da turbina de média pressão [%]= ",
            d.Eficiencia[R::EixoTurbinaMedia]);
}

void ProcessoECaldeira(Linhas& l, const DadosUsina& d) {
    const auto& e = d.Estado;
    l.Separador();
    l.Texto("Processo");
    l.Valor("Vazão de Vapor [ton/h]= ", d.ProducaoVapor);
    l.Valor("Pressão para processo [bar]= ", e[R::VaporProcesso].p * BarPorMPa);
    l.Valor("Temperatura do vapor para processo [°C]= ", e[R::VaporProcesso].t);
    l.Valor("Título= ", e[R::VaporProcesso].x);
    l.Separador();
    l.Texto("Caldeira");
    l.Valor("Produção de vapor [ton/h]= ", d.ProducaoVapor);
    l.Valor("Pressão na entrada [bar]= ", e[R::AguaAlimentacao].p * BarPorMPa);
    l.Valor("Temperatura na entrada do condensado [°C]= ", e[R::AguaAlimentacao].t);
    l.Valor("Pressão na saída [bar]= ", e[R::VaporVivo].p * BarPorMPa);
    l.Valor("Temperatura na saída do vapor [°C]= ", e[R::VaporVivo].t);
    l.Valor("Eficiência da caldeira [%]= ", d.Eficiencia[R::Combustivel]);
    l.Valor("Consumo de combustível [kg/s]= ", d.ConsumoCombustivel);
}

// Irreversibility and second-law efficiency of one machine, by its shaft label.
void Desempenho(Linhas& l, const DadosUsina& d, int eixo) {
    l.Valor("Irreverssibilidades [kW]= ", d.Irreversibilidade[eixo]);
    l.Valor("Eficiência de 2º Lei [%]= ", d.EficienciaSegundaLei[eixo]);
}

// The high-pressure and medium-pressure turbines give the flow third.
void TurbinaDeGeracao(Linhas& l, const DadosUsina& d, int entrada, int saida, int eixo) {
    const auto& e = d.Estado;
    l.Valor("Pressão na entrada [bar]= ", e[entrada].p * BarPorMPa);
    l.Valor("Temperatura na entrada [°C]= ", e[entrada].t);
    l.Valor("Vazão de vapor [kg/s]= ", d.Vazao[entrada]);
    l.Valor("Pressão na saída [bar]= ", e[saida].p * BarPorMPa);
    l.Valor("Temperatura na saída [°C]= ", e[saida].t);
    l.Valor("Eficiência isentrópica [%]= ", d.Eficiencia[eixo]);
    l.Valor("Potência fornecida [kW]= ", d.Potencia[eixo]);
    Desempenho(l, d, eixo);
}

// The pump-drive and mill-drive turbines give the flow seventh.
void TurbinaDeAcionamento(Linhas& l, const DadosUsina& d, int entrada, int saida, int eixo,
                          std::string_view legendaVazao) {
    const auto& e = d.Estado;
    l.Valor("Pressão na entrada [bar]= ", e[entrada].p * BarPorMPa);
    l.Valor("Temperatura na entrada [°C]= ", e[entrada].t);
    l.Valor("Pressão na saída [bar]= ", e[saida].p * BarPorMPa);
    l.Valor("Temperatura na saída [°C]= ", e[saida].t);
    l.Valor("Eficiência isentrópica [%]= ", d.Eficiencia[eixo]);
    l.Valor("Potência fornecida [kW]= ", d.Potencia[eixo]);
    l.Valor(legendaVazao, d.Vazao[entrada]);
    Desempenho(l, d, eixo);
}

void Equipamentos(Linhas& l, const DadosUsina& d, bool comTurbinaAlta) {
    const auto& e = d.Estado;
    l.Separador();
    l.Texto("Turbina de alta pressão");
    if (comTurbinaAlta) TurbinaDeGeracao(l, d, R::VaporVivo, R::Coletor, R::EixoTurbinaAlta);
    else l.Texto("Não há dados.");
    l.Separador();
    l.Texto("Bombeamento");
    l.Valor("Vazão de condensado [kg/s]= ", d.Vazao[R::CondensadoRetorno]);
    l.Valor("Pressão de retorno condensado [bar]= ", e[R::CondensadoRetorno].p * BarPorMPa);
    l.Valor("Temperatura de retorno condensado [°C]= ", e[R::CondensadoRetorno].t);
    l.Valor("Pressão na saída da bomba [bar]= ", e[R::AguaAlimentacao].p * BarPorMPa);
    l.Valor("Temperatura na saída da bomba [°C]= ", e[R::AguaAlimentacao].t);
    l.Valor("Eficiência da bomba [%]= ", d.Eficiencia[R::EixoBomba]);
    l.Valor("Potência requerida [kW]= ", d.Potencia[R::EixoBomba]);
    Desempenho(l, d, R::EixoBomba);
    l.Separador();
    l.Texto("Turbina de acionamento da bomba");
    TurbinaDeAcionamento(l, d, R::EntradaTurbinaBomba, R::EscapeTurbinaBomba,
                         R::EixoTurbinaBomba, "Vazão de vapor requerido [kg/s]= ");
    l.Separador();
    l.Texto("Turbina de acionamento da moenda");
    TurbinaDeAcionamento(l, d, R::EntradaTurbinaMoenda, R::EscapeTurbinaMoenda,
                         R::EixoTurbinaMoenda, "Vazão de vapor [kg/s]= ");
    l.Separador();
    l.Texto("Turbina de média pressão");
    TurbinaDeGeracao(l, d, R::EntradaTurbinaMedia, R::EscapeTurbinaMedia, R::EixoTurbinaMedia);
}

void Globais(Linhas& l, const ResultadosGlobais& g) {
    l.Separador();
    l.Texto("Resultados globais");
    l.Valor("Quantidade de vapor [ton/h]= ", g.ProducaoVapor);
    l.Valor("Quantidade de bagaço disponível [ton/h]= ", g.BagacoDisponivel);
    l.Valor("Consumo de bagaço na caldeira [ton/h]= ", g.ConsumoBagaco);
    l.Valor("Excedente de bagaço [%]= ", g.ExcedenteBagaco);
    l.Valor("Potência elétrica [kW]= ", g.PotenciaEletrica);
    l.Valor("Potência de moagem [kW]= ", g.PotenciaMoagem);
    l.Valor("Potência de bombeamento [kW]= ", g.PotenciaBombeamento);
    l.Valor("Variação de entalpia no processo [kW]= ", g.VariacaoEntalpiaProcesso);
    l.Valor("Taxa de irreversibilidades no processo [kW]= ", g.IrreversibilidadeProcesso);
    l.Valor("Taxa de irreversibilidades na válvula de expansão [kW]= ", g.IrreversibilidadeValvula);
}

// Rows start with the label, unpadded, followed directly by the cells; the
// headers are not aligned with the columns.
void Tabelas(Linhas& l, const DadosUsina& d, const std::string& sep) {
    l.Separador();
    l.Texto("Rót Vazão [kg/s]   Potência[kW]  Eficiência[%]");
    for (int i = 1; i <= NumeroRotulos; ++i)
        l.Texto(std::to_string(i) + FormatarTabela(d.Vazao[i], sep) + "  " +
                FormatarTabela(d.Potencia[i], sep) + "  " + FormatarTabela(d.Eficiencia[i], sep));
    l.Separador();
    l.Texto("Rót vol espec[m^3/kg] temperat[°C]  pressão[bar]  ener int[kJ/kg]   "
            "entalpia [kJ/kg]  entropia[kJ/kgK] exergia[kJ/kg] Título");
    for (int i = 1; i <= NumeroRotulos; ++i) {
        const StatePoint& e = d.Estado[i];
        std::string linha = std::to_string(i);
        for (double valor : {e.v / LitroPorMetroCubico, e.t, e.p * BarPorMPa, e.u, e.h, e.s, e.ex, e.x})
            linha += " " + FormatarTabela(valor, sep);
        l.Texto(linha);
    }
}

}  // namespace

std::vector<std::string> LinhasRelatorio(const ResultadoUsina& resultado, bool comTurbinaAlta,
                                         const std::string& separador) {
    ArmadilhasPontoFlutuante armadilhas;
    const DadosUsina& dados = resultado.dados;
    Linhas l;
    Introducao(l);
    Entradas(l, dados, comTurbinaAlta);
    ProcessoECaldeira(l, dados);
    Equipamentos(l, dados, comTurbinaAlta);
    Globais(l, resultado.globais);
    Tabelas(l, dados, separador);
    return l.Resultado();
}
