#include "plant/TabelaSafra.h"

const std::vector<CampoEntradaSafra>& CamposEntradaSafra() {
    using R = RegraSafra;
    using E = EntradasSafra;
    static const std::vector<CampoEntradaSafra> campos = {
        {"Ediasafra", "Duração da safra [dias]", "dias", &E::DiasSafra, R::Dias},
        {"Eaprov", "Aproveitamento do tempo de moagem [%]", "%", &E::AproveitamentoMoagem,
         R::Porcentagem},
        {"Eefiger", "Rendimento do gerador [%]", "%", &E::RendimentoGerador, R::Porcentagem},
        {"Econsele", "Consumo elétrico próprio [kWh/ton cana]", "kWh/t cana",
         &E::ConsumoEletricoProprio, R::NaoNegativa},
        {"Eprecoener", "Preço da energia exportada [R$/MWh]", "R$/MWh", &E::PrecoEnergia,
         R::NaoNegativa},
        {"Eprecobag", "Preço do bagaço excedente [R$/ton]", "R$/t", &E::PrecoBagaco,
         R::NaoNegativa},
        {"Einvest", "Investimento [R$]", "R$", &E::Investimento, R::NaoNegativa},
    };
    return campos;
}

const CampoEntradaSafra* BuscarCampoEntradaSafra(std::string_view nome) {
    for (const CampoEntradaSafra& c : CamposEntradaSafra())
        if (nome == c.nome) return &c;
    return nullptr;
}

const std::vector<CampoSaidaSafra>& CamposSaidaSafra() {
    using S = ResultadosSafra;
    static const std::vector<CampoSaidaSafra> campos = {
        {"horas_h", "Horas de moagem na safra", "h", &S::Horas},
        {"cana_t", "Cana moída na safra", "t", &S::Cana},
        {"potencia_gerador_kW", "Potência nos terminais dos geradores", "kW", &S::PotenciaGerador},
        {"potencia_propria_kW", "Potência consumida pela usina", "kW", &S::PotenciaPropria},
        {"potencia_exportavel_kW", "Potência exportável", "kW", &S::PotenciaExportavel},
        {"energia_gerada_MWh", "Energia gerada na safra", "MWh", &S::EnergiaGerada},
        {"energia_propria_MWh", "Energia consumida pela usina na safra", "MWh", &S::EnergiaPropria},
        {"energia_exportada_MWh", "Energia exportada na safra", "MWh", &S::EnergiaExportada},
        {"exportacao_kWh_t", "Energia exportada por tonelada de cana", "kWh/t",
         &S::ExportacaoPorTonelada},
        {"bagaco_excedente_t", "Bagaço excedente na safra", "t", &S::BagacoExcedente},
        {"receita_energia_R", "Receita da energia", "R$", &S::ReceitaEnergia},
        {"receita_bagaco_R", "Receita do bagaço", "R$", &S::ReceitaBagaco},
        {"receita_total_R", "Receita total da safra", "R$", &S::ReceitaTotal},
    };
    return campos;
}

const CampoSaidaSafra* BuscarCampoSaidaSafra(std::string_view nome) {
    for (const CampoSaidaSafra& c : CamposSaidaSafra())
        if (nome == c.nome) return &c;
    return nullptr;
}
