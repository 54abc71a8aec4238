#include "plant/TabelaEntradas.h"

#include <stdexcept>
#include <string>

const std::vector<CampoEntradaUsina>& CamposEntradaUsina() {
    using R = RegraEntrada;
    using E = EntradasUsina;
    // Columns: name, caption, unit, member, rule, pressure, only with the
    // high-pressure turbine, limit, its divisor, the limit's text.
    static const std::vector<CampoEntradaUsina> campos = {
        {"Ecapusi", "Capacidade da Usina [ton cana/h]", "t cana/h", &E::CapacidadeUsina,
         R::Positiva, false, false, 0, 1, nullptr},
        {"Evap", "Vapor por tonelada de cana [kg]", "kg/t cana", &E::VaporPorTonelada,
         R::Positiva, false, false, 0, 1, nullptr},
        {"Ebag", "Bagaço (50% de umidade) por ton de cana [kg]", "kg/t cana",
         &E::BagacoPorTonelada, R::Positiva, false, false, 0, 1, nullptr},
        {"Epci", "PCI do bagaço [kJ/kg]", "kJ/kg", &E::PciBagaco, R::Positiva, false, false, 0,
         1, nullptr},
        {"Epotmoe", "Potência de moagem [kWh/ton cana]", "kWh/t cana",
         &E::PotenciaMoagemEspecifica, R::NaoNegativa, false, false, 0, 1, nullptr},
        {"Eprevap", "Pressão do vapor para processos [bar]", "bar", &E::PressaoProcesso,
         R::Pressao, true, false, 0, 1, nullptr},
        {"Eprecal", "Pressão de operação da Caldeira [bar]", "bar", &E::PressaoCaldeira,
         R::Pressao, true, false, PressaoMaximaCaldeira, BarPorMPa, "190"},
        {"Etscal", "Temperatura de saída da caldeira [°C]", "°C", &E::TemperaturaCaldeira,
         R::Livre, false, false, TemperaturaMaximaCaldeira, 1, "1300"},
        {"Eefical", "Eficiência Térmica da Caldeira [%]", "%", &E::EficienciaCaldeira,
         R::Eficiencia, false, false, 0, 1, nullptr},
        {"Epstap", "Pressão de saída na turbina de alta pressão [bar]", "bar",
         &E::PressaoSaidaTurbinaAlta, R::Pressao, true, true, 0, 1, nullptr},
        {"Eefitap", "Eficiência da turbina de alta pressão [%]", "%",
         &E::EficienciaTurbinaAlta, R::Eficiencia, false, true, 0, 1, nullptr},
        {"Eprecon", "Pressão do condensado de retorno [bar]", "bar", &E::PressaoCondensado,
         R::Pressao, true, false, 0, 1, nullptr},
        {"Etcon", "Temperatura do condensado de retorno [°C]", "°C", &E::TemperaturaCondensado,
         R::Livre, false, false, 0, 1, nullptr},
        {"Eefibom", "Eficiência isentrópica da bomba de condensado [%]", "%",
         &E::EficienciaBomba, R::Eficiencia, false, false, 0, 1, nullptr},
        {"Eefitb", "Eficiência da turbina de acionamento da bomba [%]", "%",
         &E::EficienciaTurbinaBomba, R::Eficiencia, false, false, 0, 1, nullptr},
        {"Eefitm", "Eficiência isentrópica da turbomoenda [%]", "%",
         &E::EficienciaTurbinaMoenda, R::Eficiencia, false, false, 0, 1, nullptr},
        {"Emvalv", "Quantidade de vapor para válvula de expansão [%]", "%",
         &E::PercentualValvula, R::Percentual, false, false, 0, 1, nullptr},
        {"Eefitmp", "Eficiência isentrópica turbina de média pressão [%]", "%",
         &E::EficienciaTurbinaMedia, R::Eficiencia, false, false, 0, 1, nullptr},
    };
    return campos;
}

const CampoEntradaUsina* BuscarCampoEntrada(std::string_view nome) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        if (nome == c.nome) return &c;
    return nullptr;
}

const char* LegendaEntrada(std::string_view nome) {
    const CampoEntradaUsina* campo = BuscarCampoEntrada(nome);
    if (campo == nullptr) throw std::out_of_range("not a plant input: " + std::string(nome));
    return campo->legenda;
}

const std::vector<LeituraEntrada>& SequenciaLeitura() {
    using E = EtapaCalculo;
    static const std::vector<LeituraEntrada> sequencia = [] {
        const struct {
            EtapaCalculo etapa;
            const char* nome;
            bool reescrever;
        } ordem[] = {
            {E::DadosGlobais, "Ecapusi", true},  {E::DadosGlobais, "Evap", true},
            {E::DadosGlobais, "Ebag", true},     {E::DadosGlobais, "Epci", true},
            {E::DadosGlobais, "Epotmoe", true},  {E::Bomba, "Eprevap", true},
            {E::Bomba, "Eprecon", true},         {E::Bomba, "Etcon", true},
            {E::Bomba, "Eprecal", false},        {E::Bomba, "Eefibom", true},
            {E::Caldeira, "Eprecal", true},      {E::Caldeira, "Etscal", true},
            {E::Caldeira, "Eefical", true},      {E::TurbinaAlta, "Epstap", true},
            {E::TurbinaAlta, "Eefitap", true},   {E::TurbinaBomba, "Eefitb", true},
            {E::TurbinaMoenda, "Eefitm", true},  {E::ValvulaDivisor, "Emvalv", true},
            {E::TurbinaMedia, "Eefitmp", true},
        };
        std::vector<LeituraEntrada> s;
        for (const auto& l : ordem) s.push_back({l.etapa, BuscarCampoEntrada(l.nome), l.reescrever});
        return s;
    }();
    return sequencia;
}
