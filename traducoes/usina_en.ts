<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>DialogoConfiguracaoImpressora</name>
    <message>
        <source>Imprimir em arquivo PDF</source>
        <translation>Print to PDF file</translation>
    </message>
    <message>
        <source>Arquivos PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Escolha o arquivo PDF em que imprimir.</source>
        <translation>Choose the PDF file to print to.</translation>
    </message>
    <message>
        <source>Configurar impressora</source>
        <translation>Printer setup</translation>
    </message>
    <message>
        <source>Arquivo PDF</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>Procurar…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Retrato</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Paisagem</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Página…</source>
        <translation>Page…</translation>
    </message>
    <message>
        <source>Papel, orientação e margens</source>
        <translation>Paper, orientation and margins</translation>
    </message>
    <message>
        <source>Propriedades…</source>
        <translation>Properties…</translation>
    </message>
    <message>
        <source>As opções da própria impressora</source>
        <translation>The printer&apos;s own options</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Arquivo:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Papel:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Orientação:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Página</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Propriedades da impressora</source>
        <translation>Printer properties</translation>
    </message>
</context>
<context>
    <name>DialogoSobre</name>
    <message>
        <source>Sobre o usina</source>
        <translation>About usina</translation>
    </message>
    <message>
        <source>Cálculo do sistema de potência e cogeração de uma usina de açúcar e álcool que queima o próprio bagaço.</source>
        <translation>Calculation of the power and cogeneration system of a sugar and ethanol mill that burns its own bagasse.</translation>
    </message>
    <message>
        <source>Propriedades da água e do vapor: pacote próprio do programa, sobre a equação fundamental publicada em</source>
        <translation>Water and steam properties: the program&apos;s own package, based on the fundamental equation published in</translation>
    </message>
    <message>
        <source>Feito com Qt %1 (compilado com Qt %2).</source>
        <translation>Made with Qt %1 (built with Qt %2).</translation>
    </message>
    <message>
        <source>Copyright © 2026 Projeto usina. Distribuído sob a licença MIT:</source>
        <translation>Copyright © 2026 the usina project. Distributed under the MIT licence:</translation>
    </message>
</context>
<context>
    <name>JanelaAjuda</name>
    <message>
        <source>Manual do usina</source>
        <translation>usina manual</translation>
    </message>
    <message>
        <source>Voltar</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Avançar</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Início</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Idioma do manual</source>
        <translation>Language of the manual</translation>
    </message>
    <message>
        <source>Localizar (Enter)</source>
        <translation>Find (Enter)</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Não encontrado</source>
        <translation>Not found</translation>
    </message>
</context>
<context>
    <name>MenuAjuda</name>
    <message>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>O que é &amp;isto?</source>
        <translation>What&apos;s &amp;This?</translation>
    </message>
    <message>
        <source>&amp;Sobre o usina…</source>
        <translation>&amp;About usina…</translation>
    </message>
</context>
<context>
    <name>MenuIdioma</name>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>Nucleo</name>
    <message>
        <source>Capacidade da Usina [ton cana/h]</source>
        <translation>Mill capacity [t cane/h]</translation>
    </message>
    <message>
        <source>Vapor por tonelada de cana [kg]</source>
        <translation>Steam per tonne of cane [kg]</translation>
    </message>
    <message>
        <source>Bagaço (50% de umidade) por ton de cana [kg]</source>
        <translation>Bagasse (50% moisture) per t of cane [kg]</translation>
    </message>
    <message>
        <source>PCI do bagaço [kJ/kg]</source>
        <translation>Bagasse LHV [kJ/kg]</translation>
    </message>
    <message>
        <source>Potência de moagem [kWh/ton cana]</source>
        <translation>Milling power [kWh/t cane]</translation>
    </message>
    <message>
        <source>Pressão do vapor para processos [bar]</source>
        <translation>Process steam pressure [bar]</translation>
    </message>
    <message>
        <source>Pressão de operação da Caldeira [bar]</source>
        <translation>Boiler operating pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura de saída da caldeira [°C]</source>
        <translation>Boiler outlet temperature [°C]</translation>
    </message>
    <message>
        <source>Eficiência Térmica da Caldeira [%]</source>
        <translation>Boiler thermal efficiency [%]</translation>
    </message>
    <message>
        <source>Pressão de saída na turbina de alta pressão [bar]</source>
        <translation>High-pressure turbine outlet pressure [bar]</translation>
    </message>
    <message>
        <source>Eficiência da turbina de alta pressão [%]</source>
        <translation>High-pressure turbine efficiency [%]</translation>
    </message>
    <message>
        <source>Pressão do condensado de retorno [bar]</source>
        <translation>Return condensate pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura do condensado de retorno [°C]</source>
        <translation>Return condensate temperature [°C]</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da bomba de condensado [%]</source>
        <translation>Condensate pump isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>Eficiência da turbina de acionamento da bomba [%]</source>
        <translation>Pump drive turbine efficiency [%]</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbomoenda [%]</source>
        <translation>Mill drive turbine isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>Quantidade de vapor para válvula de expansão [%]</source>
        <translation>Steam through the expansion valve [%]</translation>
    </message>
    <message>
        <source>Eficiência isentrópica turbina de média pressão [%]</source>
        <translation>Medium-pressure turbine isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>kWh/t cana</source>
        <translation>kWh/t cane</translation>
    </message>
    <message>
        <source>kg/t cana</source>
        <translation>kg/t cane</translation>
    </message>
    <message>
        <source>t cana/h</source>
        <translation>t cane/h</translation>
    </message>
    <message>
        <source>Vapor vivo</source>
        <translation>Live steam</translation>
    </message>
    <message>
        <source>Coletor de vapor</source>
        <translation>Steam header</translation>
    </message>
    <message>
        <source>Vapor para a válvula de expansão</source>
        <translation>Steam to the expansion valve</translation>
    </message>
    <message>
        <source>Vapor para a turbomoenda</source>
        <translation>Steam to the mill drive turbine</translation>
    </message>
    <message>
        <source>Vapor para a turbina de média pressão</source>
        <translation>Steam to the medium-pressure turbine</translation>
    </message>
    <message>
        <source>Vapor para a turbina da bomba</source>
        <translation>Steam to the pump drive turbine</translation>
    </message>
    <message>
        <source>Saída da válvula de expansão</source>
        <translation>Expansion valve outlet</translation>
    </message>
    <message>
        <source>Escape da turbomoenda</source>
        <translation>Mill drive turbine exhaust</translation>
    </message>
    <message>
        <source>Escape da turbina de média pressão</source>
        <translation>Medium-pressure turbine exhaust</translation>
    </message>
    <message>
        <source>Escape da turbina da bomba</source>
        <translation>Pump drive turbine exhaust</translation>
    </message>
    <message>
        <source>Vapor para processo</source>
        <translation>Process steam</translation>
    </message>
    <message>
        <source>Eixo da turbina de alta pressão</source>
        <translation>High-pressure turbine shaft</translation>
    </message>
    <message>
        <source>Eixo da turbomoenda</source>
        <translation>Mill drive turbine shaft</translation>
    </message>
    <message>
        <source>Eixo da turbina de média pressão</source>
        <translation>Medium-pressure turbine shaft</translation>
    </message>
    <message>
        <source>Não usado</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>Eixo da turbina da bomba</source>
        <translation>Pump drive turbine shaft</translation>
    </message>
    <message>
        <source>Bagaço (combustível da caldeira)</source>
        <translation>Bagasse (boiler fuel)</translation>
    </message>
    <message>
        <source>Condensado de retorno</source>
        <translation>Return condensate</translation>
    </message>
    <message>
        <source>Água de alimentação</source>
        <translation>Feed water</translation>
    </message>
    <message>
        <source>Eixo da bomba de condensado</source>
        <translation>Condensate pump shaft</translation>
    </message>
</context>
<context>
    <name>OQueE</name>
    <message>
        <source>Cana moída por hora; fixa a escala de todas as vazões da usina.</source>
        <translation>Cane crushed per hour; it sets the scale of every flow in the mill.</translation>
    </message>
    <message>
        <source>Vapor produzido por tonelada de cana moída; todo ele chega ao processo.</source>
        <translation>Steam raised per tonne of cane crushed; all of it reaches the process.</translation>
    </message>
    <message>
        <source>Bagaço, com 50 % de umidade, que a moagem de uma tonelada de cana deixa para a caldeira.</source>
        <translation>Bagasse, at 50 % moisture, that crushing one tonne of cane leaves for the boiler.</translation>
    </message>
    <message>
        <source>Poder calorífico inferior do bagaço como é queimado.</source>
        <translation>Lower heating value of the bagasse as fired.</translation>
    </message>
    <message>
        <source>Energia que a moenda consome por tonelada de cana; a turbomoenda a fornece.</source>
        <translation>Energy the mill consumes per tonne of cane; the mill drive turbine supplies it.</translation>
    </message>
    <message>
        <source>Pressão do vapor entregue ao processo, a do escape das turbinas de acionamento e de média pressão e da saída da válvula.</source>
        <translation>Pressure of the steam delivered to the process: that of the drive and medium-pressure turbine exhausts and of the valve outlet.</translation>
    </message>
    <message>
        <source>Pressão do vapor vivo na saída da caldeira; a bomba eleva o condensado até ela.</source>
        <translation>Live steam pressure at the boiler outlet; the pump raises the condensate to it.</translation>
    </message>
    <message>
        <source>Temperatura do vapor vivo na saída da caldeira.</source>
        <translation>Live steam temperature at the boiler outlet.</translation>
    </message>
    <message>
        <source>Parte do calor do bagaço (pelo PCI) que a caldeira passa à água e ao vapor.</source>
        <translation>Share of the bagasse heat (on LHV) that the boiler transfers to the water and steam.</translation>
    </message>
    <message>
        <source>Pressão no escape da turbina de alta pressão, a do coletor de vapor.</source>
        <translation>Pressure at the high-pressure turbine exhaust, that of the steam header.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de alta pressão, que aciona um gerador.</source>
        <translation>Isentropic efficiency of the high-pressure turbine, which drives a generator.</translation>
    </message>
    <message>
        <source>Pressão do condensado que volta do processo à bomba.</source>
        <translation>Pressure of the condensate returning from the process to the pump.</translation>
    </message>
    <message>
        <source>Temperatura do condensado que volta do processo à bomba.</source>
        <translation>Temperature of the condensate returning from the process to the pump.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da bomba que devolve o condensado à caldeira.</source>
        <translation>Isentropic efficiency of the pump that returns the condensate to the boiler.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina que aciona a bomba de condensado.</source>
        <translation>Isentropic efficiency of the turbine that drives the condensate pump.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina que aciona a moenda.</source>
        <translation>Isentropic efficiency of the turbine that drives the mill.</translation>
    </message>
    <message>
        <source>Parte do vapor vivo que vai do coletor ao processo pela válvula de expansão, sem gerar potência.</source>
        <translation>Share of the live steam that goes from the header to the process through the expansion valve, producing no power.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de média pressão, que aciona um gerador com o vapor que sobra no coletor.</source>
        <translation>Isentropic efficiency of the medium-pressure turbine, which drives a generator with the steam left in the header.</translation>
    </message>
    <message>
        <source>Vazão de condensado que a bomba devolve à caldeira.</source>
        <translation>Condensate flow the pump returns to the boiler.</translation>
    </message>
    <message>
        <source>Pressão do condensado de retorno na entrada da bomba.</source>
        <translation>Return condensate pressure at the pump inlet.</translation>
    </message>
    <message>
        <source>Temperatura do condensado de retorno na entrada da bomba.</source>
        <translation>Return condensate temperature at the pump inlet.</translation>
    </message>
    <message>
        <source>Pressão da água de alimentação na saída da bomba, a da caldeira.</source>
        <translation>Feed water pressure at the pump outlet, that of the boiler.</translation>
    </message>
    <message>
        <source>Temperatura da água de alimentação na saída da bomba, já aquecida pela compressão.</source>
        <translation>Feed water temperature at the pump outlet, already warmed by the compression.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da bomba, a dos dados de entrada.</source>
        <translation>Isentropic efficiency of the pump, as in the input data.</translation>
    </message>
    <message>
        <source>Potência que a bomba consome; negativa porque o eixo a recebe.</source>
        <translation>Power the pump consumes; negative because its shaft receives it.</translation>
    </message>
    <message>
        <source>Exergia destruída na bomba por unidade de tempo.</source>
        <translation>Exergy destroyed in the pump per unit of time.</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei da bomba: exergia ganha pela água sobre a potência consumida.</source>
        <translation>Second-law efficiency of the pump: exergy gained by the water over the power consumed.</translation>
    </message>
    <message>
        <source>Pressão da água de alimentação na entrada da caldeira.</source>
        <translation>Feed water pressure at the boiler inlet.</translation>
    </message>
    <message>
        <source>Temperatura da água de alimentação na entrada da caldeira.</source>
        <translation>Feed water temperature at the boiler inlet.</translation>
    </message>
    <message>
        <source>Vapor que a caldeira produz: vapor por tonelada de cana vezes a capacidade da usina.</source>
        <translation>Steam the boiler raises: steam per tonne of cane times the mill capacity.</translation>
    </message>
    <message>
        <source>Pressão do vapor vivo na saída da caldeira.</source>
        <translation>Live steam pressure at the boiler outlet.</translation>
    </message>
    <message>
        <source>Eficiência térmica da caldeira, a dos dados de entrada.</source>
        <translation>Thermal efficiency of the boiler, as in the input data.</translation>
    </message>
    <message>
        <source>Bagaço que a caldeira queima: o calor dado ao vapor dividido pela eficiência e pelo PCI.</source>
        <translation>Bagasse the boiler burns: the heat given to the steam divided by the efficiency and by the LHV.</translation>
    </message>
    <message>
        <source>Pressão do vapor vivo na entrada da turbina de alta pressão.</source>
        <translation>Live steam pressure at the high-pressure turbine inlet.</translation>
    </message>
    <message>
        <source>Temperatura do vapor vivo na entrada da turbina de alta pressão.</source>
        <translation>Live steam temperature at the high-pressure turbine inlet.</translation>
    </message>
    <message>
        <source>Vazão de vapor que passa pela turbina de alta pressão até o coletor.</source>
        <translation>Steam flow through the high-pressure turbine to the header.</translation>
    </message>
    <message>
        <source>Temperatura do vapor no escape da turbina de alta pressão.</source>
        <translation>Steam temperature at the high-pressure turbine exhaust.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de alta pressão, a dos dados de entrada.</source>
        <translation>Isentropic efficiency of the high-pressure turbine, as in the input data.</translation>
    </message>
    <message>
        <source>Potência que a turbina de alta pressão entrega ao gerador.</source>
        <translation>Power the high-pressure turbine delivers to its generator.</translation>
    </message>
    <message>
        <source>Exergia destruída na turbina de alta pressão por unidade de tempo.</source>
        <translation>Exergy destroyed in the high-pressure turbine per unit of time.</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina de alta pressão.</source>
        <translation>Second-law efficiency: power over the exergy the steam loses in the high-pressure turbine.</translation>
    </message>
    <message>
        <source>Pressão do vapor na entrada da turbina que aciona a bomba, a do coletor.</source>
        <translation>Steam pressure at the inlet of the pump drive turbine, that of the header.</translation>
    </message>
    <message>
        <source>Temperatura do vapor na entrada da turbina que aciona a bomba.</source>
        <translation>Steam temperature at the inlet of the pump drive turbine.</translation>
    </message>
    <message>
        <source>Pressão no escape da turbina da bomba, a do vapor para processo.</source>
        <translation>Pressure at the pump drive turbine exhaust, that of the process steam.</translation>
    </message>
    <message>
        <source>Temperatura no escape da turbina da bomba.</source>
        <translation>Temperature at the pump drive turbine exhaust.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina da bomba, a dos dados de entrada.</source>
        <translation>Isentropic efficiency of the pump drive turbine, as in the input data.</translation>
    </message>
    <message>
        <source>Potência que a turbina entrega à bomba de condensado.</source>
        <translation>Power the turbine delivers to the condensate pump.</translation>
    </message>
    <message>
        <source>Vazão de vapor de que a turbina precisa para acionar a bomba.</source>
        <translation>Steam flow the turbine needs to drive the pump.</translation>
    </message>
    <message>
        <source>Exergia destruída na turbina da bomba por unidade de tempo.</source>
        <translation>Exergy destroyed in the pump drive turbine per unit of time.</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina da bomba.</source>
        <translation>Second-law efficiency: power over the exergy the steam loses in the pump drive turbine.</translation>
    </message>
    <message>
        <source>Pressão do vapor na entrada da turbomoenda, a do coletor.</source>
        <translation>Steam pressure at the mill drive turbine inlet, that of the header.</translation>
    </message>
    <message>
        <source>Temperatura do vapor na entrada da turbomoenda.</source>
        <translation>Steam temperature at the mill drive turbine inlet.</translation>
    </message>
    <message>
        <source>Pressão no escape da turbomoenda, a do vapor para processo.</source>
        <translation>Pressure at the mill drive turbine exhaust, that of the process steam.</translation>
    </message>
    <message>
        <source>Temperatura no escape da turbomoenda.</source>
        <translation>Temperature at the mill drive turbine exhaust.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbomoenda, a dos dados de entrada.</source>
        <translation>Isentropic efficiency of the mill drive turbine, as in the input data.</translation>
    </message>
    <message>
        <source>Potência que a turbomoenda entrega à moenda: potência de moagem por tonelada vezes a capacidade.</source>
        <translation>Power the mill drive turbine delivers to the mill: milling power per tonne times the capacity.</translation>
    </message>
    <message>
        <source>Vazão de vapor de que a turbomoenda precisa para dar a potência de moagem.</source>
        <translation>Steam flow the mill drive turbine needs to supply the milling power.</translation>
    </message>
    <message>
        <source>Exergia destruída na turbomoenda por unidade de tempo.</source>
        <translation>Exergy destroyed in the mill drive turbine per unit of time.</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbomoenda.</source>
        <translation>Second-law efficiency: power over the exergy the steam loses in the mill drive turbine.</translation>
    </message>
    <message>
        <source>Pressão do vapor na entrada da turbina de média pressão, a do coletor.</source>
        <translation>Steam pressure at the medium-pressure turbine inlet, that of the header.</translation>
    </message>
    <message>
        <source>Temperatura do vapor na entrada da turbina de média pressão.</source>
        <translation>Steam temperature at the medium-pressure turbine inlet.</translation>
    </message>
    <message>
        <source>Vapor que sobra no coletor para a turbina de média pressão, depois da válvula, da turbomoenda e da turbina da bomba.</source>
        <translation>Steam left in the header for the medium-pressure turbine, after the valve, the mill drive turbine and the pump drive turbine.</translation>
    </message>
    <message>
        <source>Pressão no escape da turbina de média pressão, a do vapor para processo.</source>
        <translation>Pressure at the medium-pressure turbine exhaust, that of the process steam.</translation>
    </message>
    <message>
        <source>Temperatura no escape da turbina de média pressão.</source>
        <translation>Temperature at the medium-pressure turbine exhaust.</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbina de média pressão, a dos dados de entrada.</source>
        <translation>Isentropic efficiency of the medium-pressure turbine, as in the input data.</translation>
    </message>
    <message>
        <source>Potência que a turbina de média pressão entrega ao gerador.</source>
        <translation>Power the medium-pressure turbine delivers to its generator.</translation>
    </message>
    <message>
        <source>Exergia destruída na turbina de média pressão por unidade de tempo.</source>
        <translation>Exergy destroyed in the medium-pressure turbine per unit of time.</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei: potência sobre a exergia que o vapor perde na turbina de média pressão.</source>
        <translation>Second-law efficiency: power over the exergy the steam loses in the medium-pressure turbine.</translation>
    </message>
    <message>
        <source>Vazão do vapor para processo, a mistura dos escapes; igual à produção de vapor.</source>
        <translation>Process steam flow, the mixed exhausts; equal to the steam raised.</translation>
    </message>
    <message>
        <source>Pressão do vapor para processo.</source>
        <translation>Process steam pressure.</translation>
    </message>
    <message>
        <source>Temperatura do vapor para processo, depois da mistura dos escapes.</source>
        <translation>Process steam temperature, after the exhausts mix.</translation>
    </message>
    <message>
        <source>Título do vapor para processo pela entalpia: abaixo de 1, vapor úmido; acima de 1, superaquecido.</source>
        <translation>Process steam quality from its enthalpy: below 1, wet steam; above 1, superheated.</translation>
    </message>
    <message>
        <source>Vapor que a caldeira produz por hora.</source>
        <translation>Steam the boiler raises per hour.</translation>
    </message>
    <message>
        <source>Bagaço que a moagem fornece: bagaço por tonelada de cana vezes a capacidade.</source>
        <translation>Bagasse the milling yields: bagasse per tonne of cane times the capacity.</translation>
    </message>
    <message>
        <source>Bagaço que a caldeira queima por hora.</source>
        <translation>Bagasse the boiler burns per hour.</translation>
    </message>
    <message>
        <source>Bagaço que sobra, em porcentagem do disponível; negativo quando o bagaço não basta.</source>
        <translation>Surplus bagasse, as a percentage of that available; negative when the bagasse falls short.</translation>
    </message>
    <message>
        <source>Potência elétrica: soma das potências das turbinas de alta e de média pressão.</source>
        <translation>Electric power: the sum of the high- and medium-pressure turbines&apos; power.</translation>
    </message>
    <message>
        <source>Potência que a turbomoenda entrega à moenda.</source>
        <translation>Power the mill drive turbine delivers to the mill.</translation>
    </message>
    <message>
        <source>Potência que a turbina da bomba entrega à bomba de condensado.</source>
        <translation>Power the pump drive turbine delivers to the condensate pump.</translation>
    </message>
    <message>
        <source>Calor que o vapor cede no processo: vazão vezes a queda de entalpia do vapor para processo ao condensado de retorno.</source>
        <translation>Heat the steam gives up in the process: flow times the enthalpy drop from process steam to return condensate.</translation>
    </message>
    <message>
        <source>Exergia que o vapor perde no processo: vazão vezes a queda de exergia do vapor para processo ao condensado de retorno.</source>
        <translation>Exergy the steam loses in the process: flow times the exergy drop from process steam to return condensate.</translation>
    </message>
    <message>
        <source>Exergia destruída na válvula de expansão por unidade de tempo.</source>
        <translation>Exergy destroyed in the expansion valve per unit of time.</translation>
    </message>
    <message>
        <source>Unidade: %1. Valores aceitos: %2.</source>
        <translation>Unit: %1. Accepted values: %2.</translation>
    </message>
    <message>
        <source>Lido só com a turbina de alta pressão.</source>
        <translation>Read only with the high-pressure turbine.</translation>
    </message>
    <message>
        <source>Unidade: %1.</source>
        <translation>Unit: %1.</translation>
    </message>
    <message>
        <source>Rótulo %1 do fluxograma: %2.</source>
        <translation>Flowsheet label %1: %2.</translation>
    </message>
    <message>
        <source>, menor que a pressão de saída na turbina de alta pressão (sem ela, menor que a pressão de operação da caldeira)</source>
        <translation>, below the high-pressure turbine outlet pressure (without that turbine, below the boiler operating pressure)</translation>
    </message>
    <message>
        <source>, menor que a pressão de operação da caldeira</source>
        <translation>, below the boiler operating pressure</translation>
    </message>
    <message>
        <source>Maior que zero</source>
        <translation>Greater than zero</translation>
    </message>
    <message>
        <source>Zero ou maior</source>
        <translation>Zero or more</translation>
    </message>
    <message>
        <source>Maior que 0 e no máximo 100 %</source>
        <translation>Greater than 0 and at most 100 %</translation>
    </message>
    <message>
        <source>De 0 a 100 %</source>
        <translation>From 0 to 100 %</translation>
    </message>
    <message>
        <source>De %1 a %2 bar</source>
        <translation>From %1 to %2 bar</translation>
    </message>
    <message>
        <source>Maior que a temperatura de saturação à pressão da caldeira (vapor superaquecido)</source>
        <translation>Above the saturation temperature at the boiler pressure (superheated steam)</translation>
    </message>
    <message>
        <source>De 0 °C até abaixo da temperatura de saturação à pressão do condensado (condensado líquido)</source>
        <translation>From 0 °C to below the saturation temperature at the condensate pressure (liquid condensate)</translation>
    </message>
    <message>
        <source>; acima de %1 %2 é lido como %1</source>
        <translation>; above %1 %2 it is read as %1</translation>
    </message>
</context>
</TS>
