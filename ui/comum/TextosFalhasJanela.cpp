#include "ui/comum/TextosFalhasJanela.h"

#include <string>
#include <vector>

#include "plant/CamposNomeados.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"

namespace {

QString Traduzir(Idioma idioma, const char* fonte) { return TraduzirEm(idioma, "Mensagens", fonte); }

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

// A refusal's reason with %1 and %2 where its numbers go: the core's
// sentences (ModeloMotivoRecusa), each listed here for the translation.
const char* ModeloMotivo(MotivoRecusa motivo) {
    using M = MotivoRecusa;
    switch (motivo) {
    case M::NaoFinito: return QT_TRANSLATE_NOOP("Mensagens", "Deve ser um número finito");
    case M::NaoPositivo: return QT_TRANSLATE_NOOP("Mensagens", "Deve ser maior que zero");
    case M::Negativo: return QT_TRANSLATE_NOOP("Mensagens", "Deve ser zero ou maior");
    case M::Eficiencia:
        return QT_TRANSLATE_NOOP("Mensagens", "Deve ser maior que 0 e no máximo 100 %");
    case M::Percentual: return QT_TRANSLATE_NOOP("Mensagens", "Deve estar entre 0 e 100 %");
    case M::FaixaPressao:
        return QT_TRANSLATE_NOOP("Mensagens",
                                 "Deve estar entre %1 e %2 bar, a faixa das propriedades da água");
    case M::PressaoCaldeira:
        return QT_TRANSLATE_NOOP("Mensagens",
                                 "Deve ser menor que a pressão de operação da caldeira, %1 bar");
    case M::PressaoColetor:
        return QT_TRANSLATE_NOOP(
            "Mensagens", "Deve ser menor que a pressão de saída na turbina de alta pressão, %1 bar");
    case M::SaturacaoCaldeira:
        return QT_TRANSLATE_NOOP("Mensagens",
                                 "Deve ser maior que a temperatura de saturação à pressão da "
                                 "caldeira, %1 °C: o vapor vivo sai superaquecido");
    case M::SaturacaoCondensado:
        return QT_TRANSLATE_NOOP("Mensagens",
                                 "Deve ser menor que a temperatura de saturação à pressão do "
                                 "condensado, %1 °C: o condensado volta líquido");
    case M::Congelamento:
        return QT_TRANSLATE_NOOP("Mensagens", "Deve ser 0 °C ou mais: abaixo disso a água congela");
    case M::DiasSafra:
        return QT_TRANSLATE_NOOP("Mensagens", "Deve ser maior que 0 e no máximo %1 dias");
    case M::NaoFinitoNoArquivo:
    case M::Outro: break;
    }
    return "";
}

// A sweep's field as its refusals quote it.
QString Nome(const std::string& campo) { return "'" + Texto(campo) + "'"; }

}  // namespace

QString TextoRecusaTraduzido(const ErroEntradaImpossivel& erro, Idioma idioma) {
    const char* legenda = LegendaEntradaNomeada(erro.campo());
    if (erro.motivo() == MotivoRecusa::Outro || legenda == nullptr)
        return QString::fromUtf8(erro.what());
    const QString campo = TraduzirNucleo(idioma, legenda);
    if (erro.motivo() == MotivoRecusa::NaoFinitoNoArquivo)
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens",
                                                  "Valor impossível em %1: não é um número finito."))
            .arg('"' + campo + '"');
    QString motivo = Traduzir(idioma, ModeloMotivo(erro.motivo()));
    const std::vector<std::string> numeros =
        NumerosMotivoRecusa(erro.motivo(), erro.limite(), erro.separador());
    if (numeros.size() == 1) motivo = motivo.arg(Texto(numeros[0]));
    if (numeros.size() == 2) motivo = motivo.arg(Texto(numeros[0]), Texto(numeros[1]));
    return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "Valor impossível em \"%1\": %2. %3."))
        .arg(campo, Texto(NumeroRecusado(erro.valor(), erro.separador())), motivo);
}

QString TextoFalhaPropriedadesTraduzido(const ErroPropriedades& erro, Idioma idioma) {
    using F = FalhaPropriedades;
    const char* fonte = "";
    switch (erro.falha()) {
    case F::PressaoForaDaFaixa:
        fonte = QT_TRANSLATE_NOOP(
            "Mensagens", "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): %1");
        break;
    case F::ModoInvalido:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "Modo de cálculo das propriedades da água inválido: %1");
        break;
    case F::TituloForaDoIntervalo:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "Título fora do intervalo de 0 a 1: %1");
        break;
    case F::SistemaSingular:
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "Sistema de equações singular no "
                                                               "cálculo das propriedades da água"));
    case F::TemperaturaForaDaFaixa:
        fonte = QT_TRANSLATE_NOOP(
            "Mensagens", "Temperatura fora da faixa das propriedades da água (-20 a 2000 °C): %1");
        break;
    case F::TemperaturaNaoFinita:
        fonte = QT_TRANSLATE_NOOP("Mensagens",
                                  "Temperatura fora da faixa das propriedades da água: %1");
        break;
    case F::EntalpiaNaoFinita:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "Entalpia fora da faixa das propriedades da água: %1");
        break;
    case F::EntropiaNaoFinita:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "Entropia fora da faixa das propriedades da água: %1");
        break;
    case F::TemperaturaForaDaSaturacao:
        fonte = QT_TRANSLATE_NOOP("Mensagens",
                                  "Temperatura fora da faixa de saturação (0 a 373,946 °C): %1");
        break;
    case F::PressaoForaDaSaturacao:
        fonte = QT_TRANSLATE_NOOP("Mensagens",
                                  "Pressão fora da faixa de saturação (0,0006109 a 22,064 MPa): %1");
        break;
    case F::ForaDaCurvaSaturacao:
        return Traduzir(idioma,
                        QT_TRANSLATE_NOOP("Mensagens", "Temperatura fora da curva de saturação"));
    case F::SemSaturadosSeparados:
        return Traduzir(idioma, QT_TRANSLATE_NOOP(
                                    "Mensagens",
                                    "Sem líquido e vapor saturados separados a esta temperatura"));
    }
    return Traduzir(idioma, fonte).arg(Texto(NumeroFalhaPropriedades(erro.falha(), erro.valor())));
}

QString TextoErroVarreduraTraduzido(const ErroVarredura& erro, Idioma idioma) {
    using M = MotivoVarredura;
    const QString nome = Nome(erro.campo());
    const QString numero = Texto(std::to_string(erro.quantidade()));
    const auto traduzir = [idioma](const char* fonte) { return Traduzir(idioma, fonte); };
    switch (erro.motivo()) {
    case M::NumeroDeEixos:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "Uma varredura tem um ou dois campos de entrada, não %1."))
            .arg(numero);
    case M::EntradaDesconhecida:
        return traduzir(
                   QT_TRANSLATE_NOOP("Mensagens", "Campo de entrada desconhecido na varredura: %1."))
            .arg(nome);
    case M::EntradaRepetida:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "O campo %1 aparece duas vezes na varredura."))
            .arg(nome);
    case M::SoComTurbinaAlta:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "O campo %1 só é usado com a turbina de alta pressão."))
            .arg(nome);
    case M::PassaDoLimite: {
        const CampoEntradaUsina* campo = BuscarCampoEntrada(erro.campo());
        if (campo == nullptr) break;
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "A faixa da varredura de %1 passa do limite de %2 %3: "
                                          "acima dele o cálculo usa o próprio limite."))
            .arg(nome, QString::fromUtf8(campo->textoLimite), TraduzirNucleo(idioma, campo->unidade));
    }
    case M::PontosDemais:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "A varredura teria mais de %1 pontos."))
            .arg(numero);
    case M::SaidaDesconhecida:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "Campo de saída desconhecido na varredura: %1."))
            .arg(nome);
    case M::SaidaRepetida:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "O campo de saída %1 aparece duas vezes na varredura."))
            .arg(nome);
    case M::PoucosPontos:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "A varredura de %1 precisa de pelo menos 2 pontos, não %2."))
            .arg(nome, numero);
    case M::FaixaNaoFinita:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "A faixa da varredura de %1 não é finita."))
            .arg(nome);
    case M::ValoresNaoFinitos:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "A faixa da varredura de %1 dá valores que não são finitos."))
            .arg(nome);
    case M::PontosDaConfiguracao:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "A varredura da configuração %1 tem os dois pontos 1 (com a "
                                          "turbina de alta pressão) e 0 (sem ela)."))
            .arg(nome);
    case M::Outro: break;
    }
    return QString::fromUtf8(erro.what());
}

QString TextoResultadoIncompletoTraduzido(const ErroResultadoIncompleto& erro, Idioma idioma) {
    switch (erro.falta()) {
    case FaltaResultado::SemCalculo:
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens",
                                                  "Ainda não há resultados: execute o cálculo "
                                                  "(Executar) antes de gravar."));
    case FaltaResultado::NaoTerminou:
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens",
                                                  "O último cálculo não terminou: não há "
                                                  "resultados completos para gravar."));
    case FaltaResultado::Outra: break;
    }
    return QString::fromUtf8(erro.what());
}

QString TextoFalhaArquivoTraduzido(FalhaArquivo falha, Idioma idioma) {
    using M = MotivoArquivo;
    const char* fonte = "";
    switch (falha.motivo) {
    case M::NaoExiste: fonte = QT_TRANSLATE_NOOP("Mensagens", "o arquivo não existe"); break;
    case M::PastaNaoExiste: fonte = QT_TRANSLATE_NOOP("Mensagens", "a pasta não existe"); break;
    case M::ParteNaoEhPasta:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "uma parte do caminho não é uma pasta");
        break;
    case M::EhPasta: fonte = QT_TRANSLATE_NOOP("Mensagens", "é uma pasta, não um arquivo"); break;
    case M::AcessoNegado: fonte = QT_TRANSLATE_NOOP("Mensagens", "acesso negado"); break;
    case M::PastaSemPermissao:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "não há permissão para criar arquivos na pasta");
        break;
    case M::SoLeitura:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "o sistema de arquivos só permite leitura");
        break;
    case M::DiscoCheio: fonte = QT_TRANSLATE_NOOP("Mensagens", "o disco está cheio"); break;
    case M::GrandeDemais:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "o arquivo passa do tamanho máximo permitido");
        break;
    case M::NomeLongo: fonte = QT_TRANSLATE_NOOP("Mensagens", "o nome é longo demais"); break;
    case M::LigacoesEmCiclo:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "ligações simbólicas em ciclo");
        break;
    case M::AbertosDemais: fonte = QT_TRANSLATE_NOOP("Mensagens", "arquivos abertos demais"); break;
    case M::NomeInvalido: fonte = QT_TRANSLATE_NOOP("Mensagens", "nome de arquivo inválido"); break;
    case M::Fifo:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "é uma FIFO (pipe nomeado), não um arquivo comum");
        break;
    case M::Soquete:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "é um soquete, não um arquivo comum");
        break;
    case M::Dispositivo:
        fonte = QT_TRANSLATE_NOOP("Mensagens", "é um dispositivo, não um arquivo comum");
        break;
    case M::EntradaSaida:
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "erro de entrada e saída %1"))
            .arg(falha.codigo);
    }
    return Traduzir(idioma, fonte);
}

QString TextoArquivoNaoGravadoTraduzido(const ErroArquivoNaoGravado& erro, Idioma idioma) {
    return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "Não foi possível gravar o arquivo %1: %2"))
        .arg('"' + Texto(erro.caminho()) + '"', TextoFalhaArquivoTraduzido(erro.falha(), idioma));
}
