#include "ui/ajuda/OQueE.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <map>
#include <string_view>

#include "plant/LegendasResultados.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "plant/ValidacaoEntradas.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextosNucleoJanela.h"

namespace {

constexpr const char* Contexto = "OQueE";

struct Explicacao {
    const char* nome;
    const char* texto;  // one sentence, translated in context "OQueE"
};

// What each plant input means for the calculation.
constexpr Explicacao ExplicacoesEntradas[] = {
    {"Ecapusi", QT_TRANSLATE_NOOP("OQueE", "Cana moída por hora; fixa a escala de todas as vazões da usina.")},
    {"Evap", QT_TRANSLATE_NOOP("OQueE", "Vapor produzido por tonelada de cana moída; todo ele chega ao processo.")},
    {"Ebag", QT_TRANSLATE_NOOP("OQueE", "Bagaço, com 50 % de umidade, que a moagem de uma tonelada de cana deixa para a caldeira.")},
    {"Epci", QT_TRANSLATE_NOOP("OQueE", "Poder calorífico inferior do bagaço como é queimado.")},
    {"Epotmoe", QT_TRANSLATE_NOOP("OQueE", "Energia que a moenda consome por tonelada de cana; a turbomoenda a fornece.")},
    {"Eprevap", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor entregue ao processo, a do escape das turbinas de acionamento e de média pressão e da saída da válvula.")},
    {"Eprecal", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor vivo na saída da caldeira; a bomba eleva o condensado até ela.")},
    {"Etscal", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor vivo na saída da caldeira.")},
    {"Eefical", QT_TRANSLATE_NOOP("OQueE", "Parte do calor do bagaço (pelo PCI) que a caldeira passa à água e ao vapor.")},
    {"Epstap", QT_TRANSLATE_NOOP("OQueE", "Pressão no escape da turbina de alta pressão, a do coletor de vapor.")},
    {"Eefitap", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina de alta pressão, que aciona um gerador.")},
    {"Eprecon", QT_TRANSLATE_NOOP("OQueE", "Pressão do condensado que volta do processo à bomba.")},
    {"Etcon", QT_TRANSLATE_NOOP("OQueE", "Temperatura do condensado que volta do processo à bomba.")},
    {"Eefibom", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da bomba que devolve o condensado à caldeira.")},
    {"Eefitb", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina que aciona a bomba de condensado.")},
    {"Eefitm", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina que aciona a moenda.")},
    {"Emvalv", QT_TRANSLATE_NOOP("OQueE", "Parte do vapor vivo que vai do coletor ao processo pela válvula de expansão, sem gerar potência.")},
    {"Eefitmp", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina de média pressão, que aciona um gerador com o vapor que sobra no coletor.")},
};

// What each output field shows; its unit and flowsheet label come from the
// output table.
constexpr Explicacao ExplicacoesSaidas[] = {
    // Condensate pump.
    {"Em18", QT_TRANSLATE_NOOP("OQueE", "Vazão de condensado que a bomba devolve à caldeira.")},
    {"Ep18", QT_TRANSLATE_NOOP("OQueE", "Pressão do condensado de retorno na entrada da bomba.")},
    {"Et18", QT_TRANSLATE_NOOP("OQueE", "Temperatura do condensado de retorno na entrada da bomba.")},
    {"Ep19b", QT_TRANSLATE_NOOP("OQueE", "Pressão da água de alimentação na saída da bomba, a da caldeira.")},
    {"Et19b", QT_TRANSLATE_NOOP("OQueE", "Temperatura da água de alimentação na saída da bomba, já aquecida pela compressão.")},
    {"Eefi20", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da bomba, a dos dados de entrada.")},
    {"Ew20", QT_TRANSLATE_NOOP("OQueE", "Potência que a bomba consome; negativa porque o eixo a recebe.")},
    {"Eirr20", QT_TRANSLATE_NOOP("OQueE", "Exergia destruída na bomba por unidade de tempo.")},
    {"Ee2l20", QT_TRANSLATE_NOOP("OQueE", "Eficiência de segunda lei da bomba: exergia ganha pela água sobre a potência consumida.")},
    // Boiler.
    {"Ep19c", QT_TRANSLATE_NOOP("OQueE", "Pressão da água de alimentação na entrada da caldeira.")},
    {"Et19c", QT_TRANSLATE_NOOP("OQueE", "Temperatura da água de alimentação na entrada da caldeira.")},
    {"Em1c", QT_TRANSLATE_NOOP("OQueE", "Vapor que a caldeira produz: vapor por tonelada de cana vezes a capacidade da usina.")},
    {"Ep1c", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor vivo na saída da caldeira.")},
    {"Et1c", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor vivo na saída da caldeira.")},
    {"Eefi17", QT_TRANSLATE_NOOP("OQueE", "Eficiência térmica da caldeira, a dos dados de entrada.")},
    {"Emcomb", QT_TRANSLATE_NOOP("OQueE", "Bagaço que a caldeira queima: o calor dado ao vapor dividido pela eficiência e pelo PCI.")},
    // High-pressure turbine.
    {"Ep1t", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor vivo na entrada da turbina de alta pressão.")},
    {"Et1t", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor vivo na entrada da turbina de alta pressão.")},
    {"Em2", QT_TRANSLATE_NOOP("OQueE", "Vazão de vapor que passa pela turbina de alta pressão até o coletor.")},
    {"Ep2", QT_TRANSLATE_NOOP("OQueE", "Pressão no escape da turbina de alta pressão, a do coletor de vapor.")},
    {"Et2", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor no escape da turbina de alta pressão.")},
    {"Eefi12", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina de alta pressão, a dos dados de entrada.")},
    {"Ew12", QT_TRANSLATE_NOOP("OQueE", "Potência que a turbina de alta pressão entrega ao gerador.")},
    {"Eirr12", QT_TRANSLATE_NOOP("OQueE", "Exergia destruída na turbina de alta pressão por unidade de tempo.")},
    {"Ee2l12", QT_TRANSLATE_NOOP("OQueE", "Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina de alta pressão.")},
    // Pump-drive turbine.
    {"Ep6", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor na entrada da turbina que aciona a bomba, a do coletor.")},
    {"Et6", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor na entrada da turbina que aciona a bomba.")},
    {"Ep10", QT_TRANSLATE_NOOP("OQueE", "Pressão no escape da turbina da bomba, a do vapor para processo.")},
    {"Et10", QT_TRANSLATE_NOOP("OQueE", "Temperatura no escape da turbina da bomba.")},
    {"Eefi16", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina da bomba, a dos dados de entrada.")},
    {"Ew16", QT_TRANSLATE_NOOP("OQueE", "Potência que a turbina entrega à bomba de condensado.")},
    {"Em6", QT_TRANSLATE_NOOP("OQueE", "Vazão de vapor de que a turbina precisa para acionar a bomba.")},
    {"Eirr16", QT_TRANSLATE_NOOP("OQueE", "Exergia destruída na turbina da bomba por unidade de tempo.")},
    {"Ee2l16", QT_TRANSLATE_NOOP("OQueE", "Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina da bomba.")},
    // Mill-drive turbine.
    {"Ep4", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor na entrada da turbomoenda, a do coletor.")},
    {"Et4", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor na entrada da turbomoenda.")},
    {"Ep8", QT_TRANSLATE_NOOP("OQueE", "Pressão no escape da turbomoenda, a do vapor para processo.")},
    {"Et8", QT_TRANSLATE_NOOP("OQueE", "Temperatura no escape da turbomoenda.")},
    {"Eefi13", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbomoenda, a dos dados de entrada.")},
    {"Ew13", QT_TRANSLATE_NOOP("OQueE", "Potência que a turbomoenda entrega à moenda: potência de moagem por tonelada vezes a capacidade.")},
    {"Em4", QT_TRANSLATE_NOOP("OQueE", "Vazão de vapor de que a turbomoenda precisa para dar a potência de moagem.")},
    {"Eirr4", QT_TRANSLATE_NOOP("OQueE", "Exergia destruída na turbomoenda por unidade de tempo.")},
    {"Ee2l4", QT_TRANSLATE_NOOP("OQueE", "Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbomoenda.")},
    // Medium-pressure turbine.
    {"Ep5", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor na entrada da turbina de média pressão, a do coletor.")},
    {"Et5", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor na entrada da turbina de média pressão.")},
    {"Em5", QT_TRANSLATE_NOOP("OQueE", "Vapor que sobra no coletor para a turbina de média pressão, depois da válvula, da turbomoenda e da turbina da bomba.")},
    {"Ep9", QT_TRANSLATE_NOOP("OQueE", "Pressão no escape da turbina de média pressão, a do vapor para processo.")},
    {"Et9", QT_TRANSLATE_NOOP("OQueE", "Temperatura no escape da turbina de média pressão.")},
    {"Eefi14", QT_TRANSLATE_NOOP("OQueE", "Eficiência isentrópica da turbina de média pressão, a dos dados de entrada.")},
    {"Ew14", QT_TRANSLATE_NOOP("OQueE", "Potência que a turbina de média pressão entrega ao gerador.")},
    {"Eirr14", QT_TRANSLATE_NOOP("OQueE", "Exergia destruída na turbina de média pressão por unidade de tempo.")},
    {"Ee2l14", QT_TRANSLATE_NOOP("OQueE", "Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina de média pressão.")},
    // Process steam.
    {"Em11", QT_TRANSLATE_NOOP("OQueE", "Vazão do vapor para processo, a mistura dos escapes; igual à produção de vapor.")},
    {"Ep11", QT_TRANSLATE_NOOP("OQueE", "Pressão do vapor para processo.")},
    {"Et11", QT_TRANSLATE_NOOP("OQueE", "Temperatura do vapor para processo, depois da mistura dos escapes.")},
    {"Etit11", QT_TRANSLATE_NOOP("OQueE", "Título do vapor para processo pela entalpia: abaixo de 1, vapor úmido; acima de 1, superaquecido.")},
    // Global results.
    {"Eprodvap", QT_TRANSLATE_NOOP("OQueE", "Vapor que a caldeira produz por hora.")},
    {"Eprodbag", QT_TRANSLATE_NOOP("OQueE", "Bagaço que a moagem fornece: bagaço por tonelada de cana vezes a capacidade.")},
    {"Econbag", QT_TRANSLATE_NOOP("OQueE", "Bagaço que a caldeira queima por hora.")},
    {"Eexbag", QT_TRANSLATE_NOOP("OQueE", "Bagaço que sobra, em porcentagem do disponível; negativo quando o bagaço não basta.")},
    {"Epotele", QT_TRANSLATE_NOOP("OQueE", "Potência elétrica: soma das potências das turbinas de alta e de média pressão.")},
    {"Epotmoa", QT_TRANSLATE_NOOP("OQueE", "Potência que a turbomoenda entrega à moenda.")},
    {"Epotbombea", QT_TRANSLATE_NOOP("OQueE", "Potência que a turbina da bomba entrega à bomba de condensado.")},
    {"Evarent", QT_TRANSLATE_NOOP("OQueE", "Calor que o vapor cede no processo: vazão vezes a queda de entalpia do vapor para processo ao condensado de retorno.")},
    {"Etaxirr", QT_TRANSLATE_NOOP("OQueE", "Exergia que o vapor perde no processo: vazão vezes a queda de exergia do vapor para processo ao condensado de retorno.")},
    {"Eirrvalv", QT_TRANSLATE_NOOP("OQueE", "Exergia destruída na válvula de expansão por unidade de tempo.")},
};

template <std::size_t N>
const char* Procurar(const Explicacao (&tabela)[N], std::string_view nome) {
    for (const Explicacao& e : tabela)
        if (nome == e.nome) return e.texto;
    return nullptr;
}

QString Traduzir(const char* texto) { return QCoreApplication::translate(Contexto, texto); }

// The caption written beside a field, in the window's language for the
// inputs (the core's captions); the outputs' as the result panels' table
// writes them.
QString LegendaPadrao(std::string_view nome) {
    if (const CampoEntradaUsina* entrada = BuscarCampoEntrada(nome))
        return TraduzirNucleo(entrada->legenda);
    if (const LinhaResultado* linha = BuscarResultadoNoPainel(nome).linha)
        return QString::fromUtf8(linha->legenda);
    return QString::fromUtf8(nome.data(), qsizetype(nome.size()));
}

QString TextoEntrada(const CampoEntradaUsina& campo, const std::string& separador,
                     const QString& legenda) {
    QString texto = "<b>" + legenda.toHtmlEscaped() + "</b><br>";
    if (const char* explicacao = Procurar(ExplicacoesEntradas, campo.nome))
        texto += Traduzir(explicacao) + "<br>";
    texto += Traduzir(QT_TRANSLATE_NOOP("OQueE", "Unidade: %1. Valores aceitos: %2."))
                 .arg(UnidadeExplicada(campo.unidade).toHtmlEscaped(),
                      FaixaPermitidaTraduzida(campo, separador).toHtmlEscaped());
    if (campo.soComTurbinaAlta)
        texto += "<br>" + Traduzir(QT_TRANSLATE_NOOP(
                              "OQueE", "Lido só com a turbina de alta pressão."));
    return texto;
}

QString TextoSaida(const CampoSaida& campo, const QString& legenda) {
    QString texto = "<b>" + legenda.toHtmlEscaped() + "</b><br>";
    if (const char* explicacao = Procurar(ExplicacoesSaidas, campo.nome))
        texto += Traduzir(explicacao);
    const char* exibida = UnidadeExibida(campo.grandeza);
    const QString unidade = std::string_view(exibida) == "bar" ? UnidadeExplicada(exibida)
                                                               : QString::fromUtf8(exibida);
    if (!unidade.isEmpty())
        texto += "<br>" + Traduzir(QT_TRANSLATE_NOOP("OQueE", "Unidade: %1."))
                              .arg(unidade.toHtmlEscaped());
    // Values of a state or a per-label array belong to a flowsheet label.
    const OrigemValor& origem = campo.origem;
    if (origem.tipo == OrigemValor::Tipo::Estado || origem.tipo == OrigemValor::Tipo::Arranjo)
        texto += "<br>" + Traduzir(QT_TRANSLATE_NOOP("OQueE", "Rótulo %1 do fluxograma: %2."))
                              .arg(origem.rotulo)
                              .arg(TraduzirNucleo(PapelDoRotulo(origem.rotulo).descricao)
                                       .toHtmlEscaped());
    return texto;
}

// Sets the what's-this texts of a window's fields again whenever its
// "idioma" property is written. TextoTraduzido writes it after every change
// of language, once the window's own texts (the captions read here) have
// been translated: it is registered after them, and the LanguageChange
// events that widgets answer come before.
class OQueEJanela : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString idioma READ LerIdioma WRITE DefinirIdioma)

public:
    explicit OQueEJanela(QWidget* janela) : QObject(janela), janela_(janela) {
        setObjectName("OQueEJanela");
    }

    QString LerIdioma() const { return {}; }
    void DefinirIdioma(const QString&) { Definir(); }

    void Definir() {
        const std::string separador = SeparadorDecimal();
        // The caption the window shows beside each field: the label whose
        // buddy it is.
        std::map<const QWidget*, const QLabel*> legendas;
        for (const QLabel* rotulo : janela_->findChildren<QLabel*>())
            if (rotulo->buddy() != nullptr) legendas[rotulo->buddy()] = rotulo;
        const auto definir = [&](const char* nome) {
            auto* campo = janela_->findChild<QLineEdit*>(nome);
            if (campo == nullptr) return;
            const auto achada = legendas.find(campo);
            const QLabel* rotulo = achada != legendas.end() ? achada->second : nullptr;
            const QString legenda = rotulo != nullptr && !rotulo->text().isEmpty()
                                        ? rotulo->text()
                                        : LegendaPadrao(nome);
            campo->setWhatsThis(TextoOQueE(nome, separador, legenda));
        };
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) definir(c.nome);
        for (const CampoSaida& c : CamposSaida()) definir(c.nome);
    }

private:
    QWidget* janela_;
};

}  // namespace

QString TextoOQueE(const std::string& nome, const std::string& separador, const QString& legenda) {
    if (const CampoEntradaUsina* entrada = BuscarCampoEntrada(nome))
        return TextoEntrada(*entrada, separador, legenda);
    if (const CampoSaida* saida = BuscarCampoSaida(nome)) return TextoSaida(*saida, legenda);
    return {};
}

QString TextoOQueE(const std::string& nome, const std::string& separador) {
    return TextoOQueE(nome, separador, LegendaPadrao(nome));
}

void DefinirOQueE(QWidget* janela) {
    auto* oQueE = new OQueEJanela(janela);
    oQueE->Definir();
    TextoTraduzido(oQueE, "idioma", Contexto, QT_TRANSLATE_NOOP("OQueE", "Unidade: %1."));
}

#include "OQueE.moc"
