#include "plant/TabelaSaidas.h"

#include "plant/EntradasUsina.h"
#include "plant/PapeisRotulos.h"

double FatorExibicao(Grandeza grandeza) {
    return grandeza == Grandeza::Pressao ? BarPorMPa : 1.0;
}

const char* UnidadeExibida(Grandeza grandeza) {
    switch (grandeza) {
    case Grandeza::Pressao: return "bar";
    case Grandeza::Temperatura: return "°C";
    case Grandeza::VazaoMassica: return "kg/s";
    case Grandeza::VazaoToneladas: return "t/h";
    case Grandeza::Potencia: return "kW";
    case Grandeza::Percentual: return "%";
    case Grandeza::Irreversibilidade: return "kW";
    case Grandeza::Titulo: return "";
    }
    return "";
}

const std::vector<CampoSaida>& CamposSaida() {
    namespace R = Rotulo;
    using E = EtapaCalculo;
    using G = Grandeza;
    using D = DadosUsina;
    using RG = ResultadosGlobais;
    constexpr auto p = &StatePoint::p;
    constexpr auto t = &StatePoint::t;
    static const std::vector<CampoSaida> campos = {
        // Condensate pump.
        {"Em18", E::Bomba, G::VazaoMassica, DoArranjo(&D::Vazao, R::CondensadoRetorno)},
        {"Ep18", E::Bomba, G::Pressao, DoEstado(R::CondensadoRetorno, p)},
        {"Et18", E::Bomba, G::Temperatura, DoEstado(R::CondensadoRetorno, t)},
        {"Ep19b", E::Bomba, G::Pressao, DoEstado(R::AguaAlimentacao, p)},
        {"Et19b", E::Bomba, G::Temperatura, DoEstado(R::AguaAlimentacao, t)},
        {"Eefi20", E::Bomba, G::Percentual, DoArranjo(&D::Eficiencia, R::EixoBomba)},
        {"Ew20", E::Bomba, G::Potencia, DoArranjo(&D::Potencia, R::EixoBomba)},
        {"Eirr20", E::Bomba, G::Irreversibilidade, DoArranjo(&D::Irreversibilidade, R::EixoBomba)},
        {"Ee2l20", E::Bomba, G::Percentual, DoArranjo(&D::EficienciaSegundaLei, R::EixoBomba)},
        // Boiler.
        {"Ep19c", E::Caldeira, G::Pressao, DoEstado(R::AguaAlimentacao, p)},
        {"Et19c", E::Caldeira, G::Temperatura, DoEstado(R::AguaAlimentacao, t)},
        {"Em1c", E::Caldeira, G::VazaoToneladas, DosDados(&D::ProducaoVapor)},
        {"Ep1c", E::Caldeira, G::Pressao, DoEstado(R::VaporVivo, p)},
        {"Et1c", E::Caldeira, G::Temperatura, DoEstado(R::VaporVivo, t)},
        {"Eefi17", E::Caldeira, G::Percentual, DoArranjo(&D::Eficiencia, R::Combustivel)},
        {"Emcomb", E::Caldeira, G::VazaoMassica, DosDados(&D::ConsumoCombustivel)},
        // High-pressure turbine: blank without it.
        {"Ep1t", E::TurbinaAlta, G::Pressao, DoEstado(R::VaporVivo, p)},
        {"Et1t", E::TurbinaAlta, G::Temperatura, DoEstado(R::VaporVivo, t)},
        {"Em2", E::TurbinaAlta, G::VazaoMassica, DoArranjo(&D::Vazao, R::Coletor)},
        {"Ep2", E::TurbinaAlta, G::Pressao, DoEstado(R::Coletor, p)},
        {"Et2", E::TurbinaAlta, G::Temperatura, DoEstado(R::Coletor, t)},
        {"Eefi12", E::TurbinaAlta, G::Percentual, DoArranjo(&D::Eficiencia, R::EixoTurbinaAlta)},
        {"Ew12", E::TurbinaAlta, G::Potencia, DoArranjo(&D::Potencia, R::EixoTurbinaAlta)},
        {"Eirr12", E::TurbinaAlta, G::Irreversibilidade,
         DoArranjo(&D::Irreversibilidade, R::EixoTurbinaAlta)},
        {"Ee2l12", E::TurbinaAlta, G::Percentual,
         DoArranjo(&D::EficienciaSegundaLei, R::EixoTurbinaAlta)},
        // Pump-drive turbine.
        {"Ep6", E::TurbinaBomba, G::Pressao, DoEstado(R::EntradaTurbinaBomba, p)},
        {"Et6", E::TurbinaBomba, G::Temperatura, DoEstado(R::EntradaTurbinaBomba, t)},
        {"Ep10", E::TurbinaBomba, G::Pressao, DoEstado(R::EscapeTurbinaBomba, p)},
        {"Et10", E::TurbinaBomba, G::Temperatura, DoEstado(R::EscapeTurbinaBomba, t)},
        {"Eefi16", E::TurbinaBomba, G::Percentual, DoArranjo(&D::Eficiencia, R::EixoTurbinaBomba)},
        {"Ew16", E::TurbinaBomba, G::Potencia, DoArranjo(&D::Potencia, R::EixoTurbinaBomba)},
        {"Em6", E::TurbinaBomba, G::VazaoMassica, DoArranjo(&D::Vazao, R::EntradaTurbinaBomba)},
        {"Eirr16", E::TurbinaBomba, G::Irreversibilidade,
         DoArranjo(&D::Irreversibilidade, R::EixoTurbinaBomba)},
        {"Ee2l16", E::TurbinaBomba, G::Percentual,
         DoArranjo(&D::EficienciaSegundaLei, R::EixoTurbinaBomba)},
        // Mill-drive turbine; its irreversibility and second-law fields carry
        // the inlet label in their names but show the shaft's figures.
        {"Ep4", E::TurbinaMoenda, G::Pressao, DoEstado(R::EntradaTurbinaMoenda, p)},
        {"Et4", E::TurbinaMoenda, G::Temperatura, DoEstado(R::EntradaTurbinaMoenda, t)},
        {"Ep8", E::TurbinaMoenda, G::Pressao, DoEstado(R::EscapeTurbinaMoenda, p)},
        {"Et8", E::TurbinaMoenda, G::Temperatura, DoEstado(R::EscapeTurbinaMoenda, t)},
        {"Eefi13", E::TurbinaMoenda, G::Percentual, DoArranjo(&D::Eficiencia, R::EixoTurbinaMoenda)},
        {"Ew13", E::TurbinaMoenda, G::Potencia, DoArranjo(&D::Potencia, R::EixoTurbinaMoenda)},
        {"Em4", E::TurbinaMoenda, G::VazaoMassica, DoArranjo(&D::Vazao, R::EntradaTurbinaMoenda)},
        {"Eirr4", E::TurbinaMoenda, G::Irreversibilidade,
         DoArranjo(&D::Irreversibilidade, R::EixoTurbinaMoenda)},
        {"Ee2l4", E::TurbinaMoenda, G::Percentual,
         DoArranjo(&D::EficienciaSegundaLei, R::EixoTurbinaMoenda)},
        // Medium-pressure turbine.
        {"Ep5", E::TurbinaMedia, G::Pressao, DoEstado(R::EntradaTurbinaMedia, p)},
        {"Et5", E::TurbinaMedia, G::Temperatura, DoEstado(R::EntradaTurbinaMedia, t)},
        {"Em5", E::TurbinaMedia, G::VazaoMassica, DoArranjo(&D::Vazao, R::EntradaTurbinaMedia)},
        {"Ep9", E::TurbinaMedia, G::Pressao, DoEstado(R::EscapeTurbinaMedia, p)},
        {"Et9", E::TurbinaMedia, G::Temperatura, DoEstado(R::EscapeTurbinaMedia, t)},
        {"Eefi14", E::TurbinaMedia, G::Percentual, DoArranjo(&D::Eficiencia, R::EixoTurbinaMedia)},
        {"Ew14", E::TurbinaMedia, G::Potencia, DoArranjo(&D::Potencia, R::EixoTurbinaMedia)},
        {"Eirr14", E::TurbinaMedia, G::Irreversibilidade,
         DoArranjo(&D::Irreversibilidade, R::EixoTurbinaMedia)},
        {"Ee2l14", E::TurbinaMedia, G::Percentual,
         DoArranjo(&D::EficienciaSegundaLei, R::EixoTurbinaMedia)},
        // Process steam: the flow shown is the steam production.
        {"Em11", E::Processo, G::VazaoToneladas, DosDados(&D::ProducaoVapor)},
        {"Ep11", E::Processo, G::Pressao, DoEstado(R::VaporProcesso, p)},
        {"Et11", E::Processo, G::Temperatura, DoEstado(R::VaporProcesso, t)},
        {"Etit11", E::Processo, G::Titulo, DoEstado(R::VaporProcesso, &StatePoint::x)},
        // Global results.
        {"Eprodvap", E::ResultadosGlobais, G::VazaoToneladas, DosGlobais(&RG::ProducaoVapor)},
        {"Eprodbag", E::ResultadosGlobais, G::VazaoToneladas, DosGlobais(&RG::BagacoDisponivel)},
        {"Econbag", E::ResultadosGlobais, G::VazaoToneladas, DosGlobais(&RG::ConsumoBagaco)},
        {"Eexbag", E::ResultadosGlobais, G::Percentual, DosGlobais(&RG::ExcedenteBagaco)},
        {"Epotele", E::ResultadosGlobais, G::Potencia, DosGlobais(&RG::PotenciaEletrica)},
        {"Epotmoa", E::ResultadosGlobais, G::Potencia, DosGlobais(&RG::PotenciaMoagem)},
        {"Epotbombea", E::ResultadosGlobais, G::Potencia, DosGlobais(&RG::PotenciaBombeamento)},
        {"Evarent", E::ResultadosGlobais, G::Potencia, DosGlobais(&RG::VariacaoEntalpiaProcesso)},
        {"Etaxirr", E::ResultadosGlobais, G::Irreversibilidade,
         DosGlobais(&RG::IrreversibilidadeProcesso)},
        {"Eirrvalv", E::ResultadosGlobais, G::Irreversibilidade,
         DosGlobais(&RG::IrreversibilidadeValvula)},
    };
    return campos;
}

const CampoSaida* BuscarCampoSaida(std::string_view nome) {
    for (const CampoSaida& c : CamposSaida())
        if (nome == c.nome) return &c;
    return nullptr;
}

double ValorOrigem(const OrigemValor& origem, const ResultadoUsina& r) {
    const auto i = static_cast<std::size_t>(origem.rotulo);
    switch (origem.tipo) {
    case OrigemValor::Tipo::Estado: return r.dados.Estado[i].*origem.propriedade;
    case OrigemValor::Tipo::Arranjo: return (r.dados.*origem.arranjo)[i];
    case OrigemValor::Tipo::Dado: return r.dados.*origem.dado;
    case OrigemValor::Tipo::Global: return r.globais.*origem.global;
    }
    return 0.0;
}

double ValorExibido(const CampoSaida& campo, const ResultadoUsina& resultado) {
    return ValorOrigem(campo.origem, resultado) * FatorExibicao(campo.grandeza);
}

bool SaidaNaoFisica(const CampoSaida& campo, const ResultadoUsina& resultado) {
    const OrigemValor& o = campo.origem;
    return o.tipo == OrigemValor::Tipo::Arranjo && o.rotulo == Rotulo::EixoTurbinaMedia &&
           o.arranjo != &DadosUsina::Eficiencia && TurbinaMediaSemVapor(resultado);
}
