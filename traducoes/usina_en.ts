<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>DialogoSobre</name>
    <message>
        <source>Sobre o usina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cálculo do sistema de potência e cogeração de uma usina de açúcar e álcool que queima o próprio bagaço.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propriedades da água e do vapor: pacote próprio do programa, sobre a equação fundamental publicada em</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feito com Qt %1 (compilado com Qt %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Projeto usina. Distribuído sob a licença MIT:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JanelaAjuda</name>
    <message>
        <source>Manual do usina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avançar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Início</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma do manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localizar (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não encontrado</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuAjuda</name>
    <message>
        <source>Aj&amp;uda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O que é &amp;isto?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sobre o usina…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuIdioma</name>
    <message>
        <source>&amp;Idioma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OQueE</name>
    <message>
        <source>Cana moída por hora; fixa a escala de todas as vazões da usina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapor produzido por tonelada de cana moída; todo ele chega ao processo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagaço, com 50 % de umidade, que a moagem de uma tonelada de cana deixa para a caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poder calorífico inferior do bagaço como é queimado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energia que a moenda consome por tonelada de cana; a turbomoenda a fornece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor entregue ao processo, a do escape das turbinas de acionamento e de média pressão e da saída da válvula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor vivo na saída da caldeira; a bomba eleva o condensado até ela.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor vivo na saída da caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parte do calor do bagaço (pelo PCI) que a caldeira passa à água e ao vapor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão no escape da turbina de alta pressão, a do coletor de vapor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de alta pressão, que aciona um gerador.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do condensado que volta do processo à bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do condensado que volta do processo à bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da bomba que devolve o condensado à caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina que aciona a bomba de condensado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina que aciona a moenda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parte do vapor vivo que vai do coletor ao processo pela válvula de expansão, sem gerar potência.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de média pressão, que aciona um gerador com o vapor que sobra no coletor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vazão de condensado que a bomba devolve à caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do condensado de retorno na entrada da bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do condensado de retorno na entrada da bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão da água de alimentação na saída da bomba, a da caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura da água de alimentação na saída da bomba, já aquecida pela compressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da bomba, a dos dados de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a bomba consome; negativa porque o eixo a recebe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia destruída na bomba por unidade de tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência de segunda lei da bomba: exergia ganha pela água sobre a potência consumida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão da água de alimentação na entrada da caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura da água de alimentação na entrada da caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapor que a caldeira produz: vapor por tonelada de cana vezes a capacidade da usina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor vivo na saída da caldeira.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência térmica da caldeira, a dos dados de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagaço que a caldeira queima: o calor dado ao vapor dividido pela eficiência e pelo PCI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor vivo na entrada da turbina de alta pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor vivo na entrada da turbina de alta pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vazão de vapor que passa pela turbina de alta pressão até o coletor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor no escape da turbina de alta pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de alta pressão, a dos dados de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a turbina de alta pressão entrega ao gerador.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia destruída na turbina de alta pressão por unidade de tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina de alta pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor na entrada da turbina que aciona a bomba, a do coletor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor na entrada da turbina que aciona a bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão no escape da turbina da bomba, a do vapor para processo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura no escape da turbina da bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina da bomba, a dos dados de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a turbina entrega à bomba de condensado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vazão de vapor de que a turbina precisa para acionar a bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia destruída na turbina da bomba por unidade de tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina da bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor na entrada da turbomoenda, a do coletor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor na entrada da turbomoenda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão no escape da turbomoenda, a do vapor para processo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura no escape da turbomoenda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbomoenda, a dos dados de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a turbomoenda entrega à moenda: potência de moagem por tonelada vezes a capacidade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vazão de vapor de que a turbomoenda precisa para dar a potência de moagem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia destruída na turbomoenda por unidade de tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbomoenda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor na entrada da turbina de média pressão, a do coletor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor na entrada da turbina de média pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapor que sobra no coletor para a turbina de média pressão, depois da válvula, da turbomoenda e da turbina da bomba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão no escape da turbina de média pressão, a do vapor para processo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura no escape da turbina de média pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de média pressão, a dos dados de entrada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a turbina de média pressão entrega ao gerador.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia destruída na turbina de média pressão por unidade de tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina de média pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vazão do vapor para processo, a mistura dos escapes; igual à produção de vapor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressão do vapor para processo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura do vapor para processo, depois da mistura dos escapes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Título do vapor para processo pela entalpia: abaixo de 1, vapor úmido; acima de 1, superaquecido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapor que a caldeira produz por hora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagaço que a moagem fornece: bagaço por tonelada de cana vezes a capacidade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagaço que a caldeira queima por hora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagaço que sobra, em porcentagem do disponível; negativo quando o bagaço não basta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência elétrica: soma das potências das turbinas de alta e de média pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a turbomoenda entrega à moenda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potência que a turbina da bomba entrega à bomba de condensado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calor que o vapor cede no processo: vazão vezes a queda de entalpia do vapor para processo ao condensado de retorno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia que o vapor perde no processo: vazão vezes a queda de exergia do vapor para processo ao condensado de retorno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exergia destruída na válvula de expansão por unidade de tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unidade: %1. Valores aceitos: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lido só com a turbina de alta pressão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unidade: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rótulo %1 do fluxograma: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
