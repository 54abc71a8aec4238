#include "tools/ExecucaoCalc.h"

#include <exception>

#include "io/Relatorio.h"
#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/MensagemErro.h"
#include "properties/Diagnostico.h"
#include "tools/SaidaCalc.h"

int ExecutarCalc(const OpcoesCalc& opcoes, const std::string& separador, std::ostream& saida,
                 std::ostream& erros) {
    CamposMemoria campos(separador);
    for (const auto& [nome, texto] : opcoes.entradas) campos.DefinirEntrada(nome, texto);
    campos.DefinirCheckBox1(!opcoes.semTurbinaAlta);

    // JSON on standard output must stay parseable: the property package's
    // diagnostic lines go to standard error instead.
    if (opcoes.json) DefinirSaidaDiagnosticos(stderr);

    int status = 0;
    ResultadoUsina resultado;
    std::string falha;
    try {
        CalcularUsinaNosCampos(campos, resultado, separador);
        // The report describes a finished run only.
        if (opcoes.relatorio)
            EscreverRelatorio(*opcoes.relatorio, resultado, campos.CheckBox1Marcado(), separador);
    } catch (const std::exception& e) {
        falha = MensagemComPonto(e.what());
        status = 1;
    }
    for (const AvisoUsina& aviso : resultado.avisos) erros << TextoAviso(aviso, separador) << '\n';
    if (status != 0) erros << falha << '\n';

    if (opcoes.json) EscreverJson(saida, campos);
    else EscreverCampos(saida, campos);
    saida.flush();
    // A full disk or a closed pipe must not pass for a successful run.
    if (!saida) {
        erros << "usina-calc: could not write the results to standard output\n";
        return 1;
    }
    return status;
}
