#include "plant/CalculoUsina.h"

#include <charconv>
#include <system_error>

#include "equipment/Ubomba.h"
#include "equipment/Ucal.h"
#include "equipment/Udivisor.h"
#include "equipment/Umisturador.h"
#include "equipment/Uturbina.h"
#include "equipment/Uvalvexp.h"
#include "plant/Numeros.h"
#include "properties/ArmadilhasPF.h"

namespace {

constexpr double BarPorMPa = 10.0;
constexpr double PressaoMaximaCaldeira = 19.0;      // MPa, the top of the property range
constexpr double TemperaturaMaximaCaldeira = 1300.0;  // degC

// One run's access to the fields. Reading and formatting numbers raise no
// floating-point flags (a number out of range is reported as a text that is
// not a number), so they run with the traps armed; a holder that calls into
// foreign code suspends the traps itself.
class Execucao {
public:
    Execucao(Campos& campos, const std::string& separador)
        : campos_(campos), separador_(separador) {}

    // Reads a field's number without rewriting it.
    double Valor(const std::string& nome) {
        return LerNumero(campos_.Texto(nome), separador_);
    }

    // Reads a field and rewrites it in the number text form.
    double Ler(const std::string& nome) {
        const double valor = Valor(nome);
        Mostrar(nome, valor);
        return valor;
    }

    // Reads a pressure field (bar) and returns MPa; the field is rewritten
    // from the stored MPa value.
    double LerPressao(const std::string& nome) {
        const double pressao = Valor(nome) / BarPorMPa;
        Mostrar(nome, pressao * BarPorMPa);
        return pressao;
    }

    // Reads a field whose value may not exceed limite: a larger value is
    // replaced in the field by the limite's text and read again.
    double LerLimitado(const std::string& nome, double limite, double divisor, const char* inteiro) {
        double valor = Valor(nome);
        if (valor / divisor > limite) {
            Escrever(nome, std::string(inteiro) + separador_ + "0");
            valor = Valor(nome);
        }
        return valor;
    }

    void Mostrar(const std::string& nome, double valor) {
        campos_.DefinirTexto(nome, FormatarCampo(valor, separador_));
    }

    void MostrarPressao(const std::string& nome, double pressaoMPa) {
        Mostrar(nome, pressaoMPa * BarPorMPa);
    }

    void Escrever(const std::string& nome, const std::string& texto) {
        campos_.DefinirTexto(nome, texto);
    }

    void Visivel(const std::string& nome, bool visivel) {
        campos_.DefinirVisivel(nome, visivel);
    }

    bool ComTurbinaAlta() {
        return campos_.CheckBox1Marcado();
    }

    const std::string& Separador() const { return separador_; }

private:
    Campos& campos_;
    const std::string& separador_;
};

// A flow in t/h for a message, two decimals.
std::string TextoVazao(double toneladasPorHora, const std::string& separador) {
    // Room for any finite double in fixed notation (sign, 309 integer digits,
    // point, two decimals): an absurd input can make the shortfall as large
    // as that, and a shorter buffer would leave to_chars' output unspecified.
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, toneladasPorHora,
                                 std::chars_format::fixed, 2);
    if (r.ec != std::errc()) return "?";  // not reached for a finite value
    std::string texto;
    for (const char* c = buffer; c != r.ptr; ++c) {
        if (*c == '.') {
            texto += separador;
        } else {
            texto += *c;
        }
    }
    return texto;
}

void LerDadosGlobais(Execucao& x, DadosUsina& d) {
    d.CapacidadeUsina = x.Ler("Ecapusi");
    d.VaporPorTonelada = x.Ler("Evap");
    d.BagacoPorTonelada = x.Ler("Ebag");
    d.PciBagaco = x.Ler("Epci");
    d.PotenciaMoagemEspecifica = x.Ler("Epotmoe");
    d.BagacoDisponivel = d.BagacoPorTonelada * d.CapacidadeUsina / 1000;
}

// Condensate pump, label 18 to label 19.
void CalcularBomba(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    E[11].p = x.LerPressao("Eprevap");
    d.Vazao[11] = d.VaporPorTonelada * d.CapacidadeUsina / 1000 / 3.6;  // kg/s
    E[18].p = x.LerPressao("Eprecon");
    E[18].t = x.Ler("Etcon");
    // The boiler pressure, held inside the property range; not rewritten yet.
    E[19].p = x.LerLimitado("Eprecal", PressaoMaximaCaldeira, BarPorMPa, "190") / BarPorMPa;
    d.Eficiencia[20] = x.Ler("Eefibom");

    d.Vazao[18] = d.Vazao[11];
    Bomba(E[18], E[19], d.Potencia[20], d.Vazao[18], d.Eficiencia[20], d.Irreversibilidade[20],
          d.EficienciaSegundaLei[20]);

    x.Mostrar("Em18", d.Vazao[18]);
    x.MostrarPressao("Ep18", E[18].p);
    x.Mostrar("Et18", E[18].t);
    x.MostrarPressao("Ep19b", E[19].p);
    x.Mostrar("Et19b", E[19].t);
    x.Mostrar("Eefi20", d.Eficiencia[20]);
    x.Mostrar("Ew20", d.Potencia[20]);
    x.Mostrar("Eirr20", d.Irreversibilidade[20]);
    x.Mostrar("Ee2l20", d.EficienciaSegundaLei[20]);
}

// Boiler, label 19 to label 1.
void CalcularCaldeira(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    E[1].p = x.LerLimitado("Eprecal", PressaoMaximaCaldeira, BarPorMPa, "190") / BarPorMPa;
    x.MostrarPressao("Eprecal", E[1].p);
    E[1].t = x.LerLimitado("Etscal", TemperaturaMaximaCaldeira, 1.0, "1300");
    x.Mostrar("Etscal", E[1].t);
    d.ProducaoVapor = 3.6 * d.Vazao[11];  // t/h
    d.Eficiencia[17] = x.Ler("Eefical");
    Caldeira(d.ProducaoVapor, E[19], E[1], d.Eficiencia[17], d.PciBagaco, d.ConsumoCombustivel);

    x.MostrarPressao("Ep19c", E[19].p);
    x.Mostrar("Et19c", E[19].t);
    x.Mostrar("Em1c", d.ProducaoVapor);
    x.MostrarPressao("Ep1c", E[1].p);
    x.Mostrar("Et1c", E[1].t);
    x.Mostrar("Eefi17", d.Eficiencia[17]);
    x.Mostrar("Emcomb", d.ConsumoCombustivel);
}

// High-pressure turbine, label 1 to label 2; without it the header carries
// the live steam unchanged.
void CalcularTurbinaAlta(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    d.Vazao[1] = d.Vazao[11];
    d.Potencia[12] = 0.0;
    if (x.ComTurbinaAlta()) {
        x.Visivel("Epstap", true);
        x.Visivel("Eefitap", true);
        E[2].p = x.LerPressao("Epstap");
        d.Eficiencia[12] = x.Ler("Eefitap");
        Turbina(E[1], E[2], d.Eficiencia[12], d.Potencia[12], d.Vazao[1], d.Irreversibilidade[12],
                d.EficienciaSegundaLei[12]);
        d.Vazao[2] = d.Vazao[1];

        x.MostrarPressao("Ep1t", E[1].p);
        x.Mostrar("Et1t", E[1].t);
        x.Mostrar("Em2", d.Vazao[2]);
        x.MostrarPressao("Ep2", E[2].p);
        x.Mostrar("Et2", E[2].t);
        x.Mostrar("Eefi12", d.Eficiencia[12]);
        x.Mostrar("Ew12", d.Potencia[12]);
        x.Mostrar("Eirr12", d.Irreversibilidade[12]);
        x.Mostrar("Ee2l12", d.EficienciaSegundaLei[12]);
    } else {
        E[2] = E[1];
        d.Vazao[2] = d.Vazao[1];
        d.Irreversibilidade[12] = 0.0;
        x.Visivel("Epstap", false);
        x.Visivel("Eefitap", false);
        for (const char* nome :
             {"Ep1t", "Et1t", "Em2", "Ep2", "Et2", "Eefi12", "Ew12", "Eirr12", "Ee2l12"}) {
            x.Escrever(nome, " ");
        }
    }
}

// Pump-drive turbine, label 6 to label 10: its steam flow follows from the
// pump's power.
void CalcularTurbinaBomba(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    E[6].p = E[2].p;
    E[6].t = E[2].t;
    E[10].p = E[11].p;
    d.Eficiencia[16] = x.Ler("Eefitb");
    d.Potencia[16] = -1 * d.Potencia[20];
    Turbina(E[6], E[10], d.Eficiencia[16], d.Potencia[16], d.Vazao[6], d.Irreversibilidade[16],
            d.EficienciaSegundaLei[16]);
    d.Vazao[10] = d.Vazao[6];

    x.MostrarPressao("Ep6", E[6].p);
    x.Mostrar("Et6", E[6].t);
    x.MostrarPressao("Ep10", E[10].p);
    x.Mostrar("Et10", E[10].t);
    x.Mostrar("Eefi16", d.Eficiencia[16]);
    x.Mostrar("Ew16", d.Potencia[16]);
    x.Mostrar("Em6", d.Vazao[6]);
    x.Mostrar("Eirr16", d.Irreversibilidade[16]);
    x.Mostrar("Ee2l16", d.EficienciaSegundaLei[16]);
}

// Mill-drive turbine, label 4 to label 8: its steam flow follows from the
// milling power.
void CalcularTurbinaMoenda(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    E[4].p = E[2].p;
    E[4].t = E[2].t;
    E[8].p = E[11].p;
    d.Eficiencia[13] = x.Ler("Eefitm");
    d.Potencia[13] = d.PotenciaMoagemEspecifica * d.CapacidadeUsina;  // kW
    // No milling power means no steam, not the flow of an earlier run.
    if (d.Potencia[13] == 0.0) d.Vazao[4] = 0.0;
    Turbina(E[4], E[8], d.Eficiencia[13], d.Potencia[13], d.Vazao[4], d.Irreversibilidade[13],
            d.EficienciaSegundaLei[13]);
    d.Vazao[8] = d.Vazao[4];

    x.MostrarPressao("Ep4", E[4].p);
    x.Mostrar("Et4", E[4].t);
    x.MostrarPressao("Ep8", E[8].p);
    x.Mostrar("Et8", E[8].t);
    x.Mostrar("Eefi13", d.Eficiencia[13]);
    x.Mostrar("Ew13", d.Potencia[13]);
    x.Mostrar("Em4", d.Vazao[4]);
    x.Mostrar("Eirr4", d.Irreversibilidade[13]);
    x.Mostrar("Ee2l4", d.EficienciaSegundaLei[13]);
}

// Expansion valve (label 3 to 7) and the steam header's split.
void CalcularValvulaEDivisor(Execucao& x, DadosUsina& d, std::vector<std::string>& avisos) {
    auto& E = d.Estado;
    d.PercentualValvula = x.Ler("Emvalv");
    d.Vazao[3] = d.PercentualValvula / 100 * d.Vazao[1];
    if (d.Vazao[3] == 0.0) {
        E[3].t = 0.0;
        E[3].p = 0.0;
        d.Vazao[7] = 0.0;
        E[7] = StatePoint{};  // no steam through the valve: nothing of an earlier run
    } else {
        E[3] = E[2];
        E[7].p = E[11].p;
        ValvulaExpansao(3, 7, d.Vazao, E);
    }

    Divisor(4, 2, 5, LabelList{5, 4, 3, 6}, d.Vazao, d.Vazao[5], E);
    if (d.Vazao[5] < 0.0) {
        avisos.push_back("Vapor insuficiente: faltam " +
                         TextoVazao(-3.6 * d.Vazao[5], x.Separador()) +
                         " t/h para a turbina de média pressão");
    }
}

// Medium-pressure turbine, label 5 to label 9: takes the steam left over.
void CalcularTurbinaMedia(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    E[9].p = E[11].p;
    d.Eficiencia[14] = x.Ler("Eefitmp");
    d.Potencia[14] = 0.0;
    Turbina(E[5], E[9], d.Eficiencia[14], d.Potencia[14], d.Vazao[5], d.Irreversibilidade[14],
            d.EficienciaSegundaLei[14]);
    d.Vazao[9] = d.Vazao[5];

    x.MostrarPressao("Ep5", E[5].p);
    x.Mostrar("Et5", E[5].t);
    x.Mostrar("Em5", d.Vazao[5]);
    x.MostrarPressao("Ep9", E[9].p);
    x.Mostrar("Et9", E[9].t);
    x.Mostrar("Eefi14", d.Eficiencia[14]);
    x.Mostrar("Ew14", d.Potencia[14]);
    x.Mostrar("Eirr14", d.Irreversibilidade[14]);
    x.Mostrar("Ee2l14", d.EficienciaSegundaLei[14]);
}

// The exhausts mixed into the process steam line, label 11.
void CalcularProcesso(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    Misturador(4, 11, LabelList{7, 8, 9, 10}, d.Vazao, E);
    x.Mostrar("Em11", d.ProducaoVapor);
    x.MostrarPressao("Ep11", E[11].p);
    x.Mostrar("Et11", E[11].t);
    x.Mostrar("Etit11", E[11].x);
}

void CalcularResultadosGlobais(Execucao& x, DadosUsina& d) {
    auto& E = d.Estado;
    const double m11 = d.Vazao[11];
    const double m3 = d.Vazao[3];
    x.Mostrar("Eprodvap", d.ProducaoVapor);
    x.Mostrar("Eprodbag", d.BagacoDisponivel);
    x.Mostrar("Econbag", 3.6 * d.ConsumoCombustivel);
    x.Mostrar("Eexbag",
              (d.BagacoDisponivel - 3.6 * d.ConsumoCombustivel) / d.BagacoDisponivel * 100);
    x.Mostrar("Epotele", d.Potencia[12] + d.Potencia[14]);
    x.Mostrar("Epotmoa", d.Potencia[13]);
    x.Mostrar("Epotbombea", d.Potencia[16]);
    d.VariacaoEntalpiaProcesso = (E[18].h - E[11].h) * (-1) * m11;
    x.Mostrar("Evarent", d.VariacaoEntalpiaProcesso);
    d.IrreversibilidadeProcesso = (E[18].ex - E[11].ex) * (-1) * m11;
    x.Mostrar("Etaxirr", d.IrreversibilidadeProcesso);
    d.IrreversibilidadeValvula = (E[7].ex - E[3].ex) * (-1) * m3;
    x.Mostrar("Eirrvalv", d.IrreversibilidadeValvula);
}

}  // namespace

void CalcularUsina(Campos& campos, DadosUsina& dados, const std::string& separador,
                   std::vector<std::string>& avisos) {
    ArmadilhasPontoFlutuante armadas;
    Execucao x(campos, separador);
    LerDadosGlobais(x, dados);
    CalcularBomba(x, dados);
    CalcularCaldeira(x, dados);
    CalcularTurbinaAlta(x, dados);
    CalcularTurbinaBomba(x, dados);
    CalcularTurbinaMoenda(x, dados);
    CalcularValvulaEDivisor(x, dados, avisos);
    CalcularTurbinaMedia(x, dados);
    CalcularProcesso(x, dados);
    CalcularResultadosGlobais(x, dados);
}
