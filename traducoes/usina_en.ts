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
    <name>FluxogramaResultados</name>
    <message>
        <source>Fluxograma com resultados</source>
        <translation>Flowsheet with results</translation>
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
    <name>ModeloCorrentes</name>
    <message>
        <source>Rótulo</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Rótulo da corrente no fluxograma</source>
        <translation>The stream&apos;s label in the flowsheet</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Vazão [t/h]</source>
        <translation>Flow [t/h]</translation>
    </message>
    <message>
        <source>Vazão [kg/s]</source>
        <translation>Flow [kg/s]</translation>
    </message>
    <message>
        <source>A água de alimentação (19) leva a vazão do condensado (18)</source>
        <translation>The feed water (19) carries the condensate&apos;s flow (18)</translation>
    </message>
    <message>
        <source>Pressão [bar]</source>
        <translation>Pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Entalpia [kJ/kg]</source>
        <translation>Enthalpy [kJ/kg]</translation>
    </message>
    <message>
        <source>Entropia [kJ/(kg·K)]</source>
        <translation>Entropy [kJ/(kg·K)]</translation>
    </message>
    <message>
        <source>Exergia [kJ/kg]</source>
        <translation>Exergy [kJ/kg]</translation>
    </message>
    <message>
        <source>Exergia de fluxo em relação ao estado morto (água líquida a 25 °C, 1,01325 bar)</source>
        <translation>Flow exergy relative to the dead state (liquid water at 25 °C, 1.01325 bar)</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Subresfriado ou superaquecido em relação à temperatura de saturação à pressão da corrente; a menos de 0,05 K dela, saturado ou úmido</source>
        <translation>Subcooled or superheated relative to the saturation temperature at the stream&apos;s pressure; within 0.05 K of it, saturated or wet</translation>
    </message>
    <message>
        <source>subresfriado %1 K</source>
        <translation>subcooled %1 K</translation>
    </message>
    <message>
        <source>líquido saturado</source>
        <translation>saturated liquid</translation>
    </message>
    <message>
        <source>úmido, título %1</source>
        <translation>wet, quality %1</translation>
    </message>
    <message>
        <source>vapor saturado</source>
        <translation>saturated vapour</translation>
    </message>
    <message>
        <source>superaquecido %1 K</source>
        <translation>superheated %1 K</translation>
    </message>
</context>
<context>
    <name>Nucleo</name>
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
        <translation>Steam to the pressure-reducing valve</translation>
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
        <translation>Pressure-reducing valve outlet</translation>
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
        <translation>Condensate return</translation>
    </message>
    <message>
        <source>Água de alimentação</source>
        <translation>Feed water</translation>
    </message>
    <message>
        <source>Eixo da bomba de condensado</source>
        <translation>Condensate pump shaft</translation>
    </message>
    <message>
        <source>Potência elétrica por tonelada de cana</source>
        <translation>Electric power per tonne of cane</translation>
    </message>
    <message>
        <source>Potência nos eixos dos geradores (turbinas de alta e de média pressão) dividida pela moagem horária de cana.</source>
        <translation>Power at the generators&apos; shafts (high- and medium-pressure turbines) divided by the hourly cane crushing rate.</translation>
    </message>
    <message>
        <source>Consumo de vapor por tonelada de cana</source>
        <translation>Steam consumption per tonne of cane</translation>
    </message>
    <message>
        <source>Vapor produzido pela caldeira dividido pela moagem horária de cana.</source>
        <translation>Steam raised by the boiler divided by the hourly cane crushing rate.</translation>
    </message>
    <message>
        <source>Vazão de vapor da turbina × 3600 dividida pela sua potência; não definido quando a turbina não entrega potência.</source>
        <translation>The turbine&apos;s steam flow × 3600 divided by its power; not defined when the turbine delivers no power.</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbina de alta pressão</source>
        <translation>Specific steam consumption of the high-pressure turbine</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbomoenda</source>
        <translation>Specific steam consumption of the mill drive turbine</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbina de média pressão</source>
        <translation>Specific steam consumption of the medium-pressure turbine</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbina da bomba</source>
        <translation>Specific steam consumption of the pump drive turbine</translation>
    </message>
    <message>
        <source>Excedente de bagaço</source>
        <translation>Bagasse surplus</translation>
    </message>
    <message>
        <source>Bagaço disponível menos o queimado na caldeira; negativo quando falta bagaço.</source>
        <translation>Bagasse available less that burnt in the boiler; negative when bagasse is short.</translation>
    </message>
    <message>
        <source>Superaquecimento do vapor de processo</source>
        <translation>Process steam superheat</translation>
    </message>
    <message>
        <source>Temperatura do vapor de processo (11) menos a de saturação à sua pressão; não definido quando o vapor é úmido.</source>
        <translation>Process steam temperature (11) less the saturation temperature at its pressure; not defined when the steam is wet.</translation>
    </message>
    <message>
        <source>Eficiência de primeira lei da usina</source>
        <translation>Plant first-law efficiency</translation>
    </message>
    <message>
        <source>(Potência elétrica + potência de moagem + calor ao processo m11·(h11 − h18)) / (consumo de bagaço × PCI).</source>
        <translation>(Electric power + milling power + heat to process m11·(h11 − h18)) / (bagasse consumption × LHV).</translation>
    </message>
    <message>
        <source>Exergia do bagaço queimado</source>
        <translation>Exergy of the bagasse burnt</translation>
    </message>
    <message>
        <source>Consumo de bagaço × PCI × 1,36 (estimativa: a exergia química do bagaço não é dado do cálculo).</source>
        <translation>Bagasse consumption × LHV × 1.36 (an estimate: the bagasse&apos;s chemical exergy is not part of the calculation).</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei da usina</source>
        <translation>Plant second-law efficiency</translation>
    </message>
    <message>
        <source>(Potência elétrica + potência de moagem + exergia cedida ao processo m11·(ex11 − ex18)) / exergia do bagaço queimado.</source>
        <translation>(Electric power + milling power + exergy given up to the process m11·(ex11 − ex18)) / exergy of the bagasse burnt.</translation>
    </message>
    <message>
        <source>Exergia do bagaço estimada: PCI × 1,36, pela correlação de Szargut e Styrylska (1964) para combustíveis sólidos, bagaço seco com C 47 %, H 6,5 %, O 44 %, cinzas 2,5 % e 50 % de umidade.</source>
        <translation>Bagasse exergy estimated as LHV × 1.36, from Szargut and Styrylska&apos;s correlation (1964) for solid fuels, dry bagasse with C 47 %, H 6.5 %, O 44 %, ash 2.5 % and 50 % moisture.</translation>
    </message>
    <message>
        <source>Caldeira</source>
        <translation>Boiler</translation>
    </message>
    <message>
        <source>Turbina de alta pressão</source>
        <translation>High-pressure turbine</translation>
    </message>
    <message>
        <source>Turbina da bomba</source>
        <translation>Pump drive turbine</translation>
    </message>
    <message>
        <source>Turbomoenda</source>
        <translation>Mill drive turbine</translation>
    </message>
    <message>
        <source>Válvula de expansão</source>
        <translation>Pressure-reducing valve</translation>
    </message>
    <message>
        <source>Turbina de média pressão</source>
        <translation>Medium-pressure turbine</translation>
    </message>
    <message>
        <source>Misturador dos escapes</source>
        <translation>Exhaust mixer</translation>
    </message>
    <message>
        <source>Processo</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Bomba de condensado</source>
        <translation>Condensate pump</translation>
    </message>
    <message>
        <source>Coletor</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Condensado</source>
        <translation>Condensate</translation>
    </message>
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
        <translation>Bagasse (50% moisture) per tonne of cane [kg]</translation>
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
        <translation>Condensate return pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura do condensado de retorno [°C]</source>
        <translation>Condensate return temperature [°C]</translation>
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
        <translation>Steam to the pressure-reducing valve [%]</translation>
    </message>
    <message>
        <source>Eficiência isentrópica turbina de média pressão [%]</source>
        <translation>Medium-pressure turbine isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>t cana/h</source>
        <translation>t cane/h</translation>
    </message>
    <message>
        <source>kg/t cana</source>
        <translation>kg/t cane</translation>
    </message>
    <message>
        <source>kWh/t cana</source>
        <translation>kWh/t cane</translation>
    </message>
    <message>
        <source>Quantidade de vapor</source>
        <translation>Steam production</translation>
    </message>
    <message>
        <source>Quantidade de bagaço disponível</source>
        <translation>Bagasse available</translation>
    </message>
    <message>
        <source>Consumo de bagaço na caldeira</source>
        <translation>Bagasse burnt in the boiler</translation>
    </message>
    <message>
        <source>Potência elétrica</source>
        <translation>Electric power</translation>
    </message>
    <message>
        <source>Potência de moagem</source>
        <translation>Milling power</translation>
    </message>
    <message>
        <source>Potência de bombeamento</source>
        <translation>Pumping power</translation>
    </message>
    <message>
        <source>Variação de entalpia no processo</source>
        <translation>Enthalpy change in the process</translation>
    </message>
    <message>
        <source>Taxa de irreversibilidades no processo</source>
        <translation>Irreversibility rate in the process</translation>
    </message>
    <message>
        <source>Taxa de irreversibilidades na válvula de expansão</source>
        <translation>Irreversibility rate in the pressure-reducing valve</translation>
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
<context>
    <name>RelatorioPdf</name>
    <message>
        <source>Dados de entrada</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Dado</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unidade</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Turbina de alta pressão</source>
        <translation>High-pressure turbine</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Resultados globais</source>
        <translation>Overall results</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Vapor insuficiente: faltam %1 t/h para a turbina de média pressão</source>
        <translation>Not enough steam: the medium-pressure turbine is short of %1 t/h</translation>
    </message>
    <message>
        <source>Usina: sistema de potência e cogeração</source>
        <translation>Usina: power and cogeneration plant</translation>
    </message>
    <message>
        <source>Caso: %1</source>
        <translation>Case: %1</translation>
    </message>
    <message>
        <source>Calculado em %1</source>
        <translation>Calculated on %1</translation>
    </message>
    <message>
        <source>Aviso:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Indicadores de cogeração</source>
        <translation>Cogeneration indicators</translation>
    </message>
    <message>
        <source>Tabela de correntes</source>
        <translation>Stream table</translation>
    </message>
    <message>
        <source>Fluxograma com resultados</source>
        <translation>Flowsheet with results</translation>
    </message>
</context>
<context>
    <name>TabelasHtml</name>
    <message>
        <source>Indicador</source>
        <translation>Indicator</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unidade</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Como é calculado</source>
        <translation>How it is worked out</translation>
    </message>
    <message>
        <source>Destruição de exergia</source>
        <translation>Exergy destruction</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Destruição [kW]</source>
        <translation>Destruction [kW]</translation>
    </message>
</context>
<context>
    <name>TracadoFluxogramaResultados</name>
    <message>
        <source>Caldeira</source>
        <translation>Boiler</translation>
    </message>
    <message>
        <source>Bagaço</source>
        <translation>Bagasse</translation>
    </message>
    <message>
        <source>Turbina de alta pressão</source>
        <translation>High-pressure turbine</translation>
    </message>
    <message>
        <source>Sem turbina de alta pressão</source>
        <translation>No high-pressure turbine</translation>
    </message>
    <message>
        <source>Turbina da bomba</source>
        <translation>Pump turbine</translation>
    </message>
    <message>
        <source>Bomba</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Válvula</source>
        <translation>Valve</translation>
    </message>
    <message>
        <source>Turbina da moenda</source>
        <translation>Mill turbine</translation>
    </message>
    <message>
        <source>Moenda</source>
        <translation>Mill</translation>
    </message>
    <message>
        <source>Turbina de média pressão</source>
        <translation>Medium-pressure turbine</translation>
    </message>
    <message>
        <source>Processo</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Vapor</source>
        <translation>Steam</translation>
    </message>
    <message>
        <source>Água</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Shaft</translation>
    </message>
</context>
<context>
    <name>VistaCorrentes</name>
    <message>
        <source>Tabela de correntes</source>
        <translation>Stream table</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Ainda não há resultados: execute o cálculo (Executar) antes de gravar.</source>
        <translation>No results yet: run the calculation (Run) before saving.</translation>
    </message>
    <message>
        <source>Exportar tabela de correntes</source>
        <translation>Export stream table</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>VistaDiagramaTs</name>
    <message>
        <source>Arraste um retângulo para ampliar; roda do mouse: zoom; botão direito ou setas: deslocar.</source>
        <translation>Drag a rectangle to zoom in; mouse wheel: zoom; right button or arrow keys: pan.</translation>
    </message>
    <message>
        <source>Caldeira</source>
        <translation>Boiler</translation>
    </message>
    <message>
        <source>Turbinas</source>
        <translation>Turbines</translation>
    </message>
    <message>
        <source>Expansão isentrópica</source>
        <translation>Isentropic expansion</translation>
    </message>
    <message>
        <source>Válvula</source>
        <translation>Valve</translation>
    </message>
    <message>
        <source>Misturador</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>Processo</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Bomba</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Diagrama T-s</source>
        <translation>T-s diagram</translation>
    </message>
    <message>
        <source>Restaurar zoom</source>
        <translation>Reset zoom</translation>
    </message>
    <message>
        <source>Exportar…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Gravar o diagrama, como mostrado, em imagem PNG ou desenho SVG</source>
        <translation>Save the diagram, as shown, as a PNG image or an SVG drawing</translation>
    </message>
    <message>
        <source>Exportar diagrama T-s</source>
        <translation>Export T-s diagram</translation>
    </message>
    <message>
        <source>Saturação</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Isobaras</source>
        <translation>Isobars</translation>
    </message>
    <message>
        <source>Estado %1: T = %2 °C, s = %3 kJ/(kg·K), p = %4 bar</source>
        <translation>State %1: T = %2 °C, s = %3 kJ/(kg·K), p = %4 bar</translation>
    </message>
    <message>
        <source>Estado %1</source>
        <translation>State %1</translation>
    </message>
</context>
<context>
    <name>VistaExergia</name>
    <message>
        <source>Exergia</source>
        <translation>Exergy</translation>
    </message>
    <message>
        <source>Incluir a caldeira (estimativa)</source>
        <translation>Include the boiler (estimate)</translation>
    </message>
    <message>
        <source>A destruição na caldeira depende da exergia estimada do bagaço; sem ela, as parcelas são do ciclo de vapor.</source>
        <translation>The boiler&apos;s destruction rests on the estimated bagasse exergy; without it, the shares are of the steam cycle.</translation>
    </message>
    <message>
        <source>Exportar…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Gravar o gráfico como imagem PNG ou desenho SVG</source>
        <translation>Save the chart as a PNG image or an SVG drawing</translation>
    </message>
    <message>
        <source>Destruição de exergia por equipamento</source>
        <translation>Exergy destruction by equipment</translation>
    </message>
    <message>
        <source>Destruição de exergia [kW]</source>
        <translation>Exergy destruction [kW]</translation>
    </message>
    <message>
        <source>Taxa de destruição de exergia [kW]</source>
        <translation>Exergy destruction rate [kW]</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Destruição [kW]</source>
        <translation>Destruction [kW]</translation>
    </message>
    <message>
        <source>Parcela [%]</source>
        <translation>Share [%]</translation>
    </message>
    <message>
        <source>Ef. 2ª lei [%]</source>
        <translation>2nd-law eff. [%]</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei do equipamento</source>
        <translation>Second-law efficiency of the equipment</translation>
    </message>
    <message>
        <source>Exportar gráfico de exergia</source>
        <translation>Export exergy chart</translation>
    </message>
    <message>
        <source>Total *</source>
        <translation>Total *</translation>
    </message>
    <message>
        <source>Total sem a caldeira</source>
        <translation>Total without the boiler</translation>
    </message>
    <message>
        <source>Parcelas sobre a destruição total, caldeira incluída (estimativa).</source>
        <translation>Shares of the total destruction, boiler included (estimate).</translation>
    </message>
    <message>
        <source>Parcelas sobre a destruição no ciclo de vapor: turbinas, válvula, misturador, processo e bomba, sem a caldeira.</source>
        <translation>Shares of the destruction in the steam cycle: turbines, valve, mixer, process and pump, without the boiler.</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei da usina *: %1 %.   * %2</source>
        <translation>Plant second-law efficiency *: %1 %.   * %2</translation>
    </message>
</context>
<context>
    <name>VistaFluxograma</name>
    <message>
        <source>Imagem PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Desenho SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Fluxograma com resultados</source>
        <translation>Flowsheet with results</translation>
    </message>
    <message>
        <source>Exportar…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Gravar o fluxograma como imagem PNG, desenho SVG ou documento PDF</source>
        <translation>Save the flowsheet as a PNG image, an SVG drawing or a PDF document</translation>
    </message>
    <message>
        <source>Exportar fluxograma com resultados</source>
        <translation>Export flowsheet with results</translation>
    </message>
    <message>
        <source>Escolha um nome terminado em .png, .svg ou .pdf para exportar o fluxograma</source>
        <translation>Choose a name ending in .png, .svg or .pdf to export the flowsheet</translation>
    </message>
</context>
<context>
    <name>VistaIndicadores</name>
    <message>
        <source>não definido</source>
        <translation>not defined</translation>
    </message>
    <message>
        <source>Indicadores</source>
        <translation>Indicators</translation>
    </message>
    <message>
        <source>Destruição de exergia</source>
        <translation>Exergy destruction</translation>
    </message>
    <message>
        <source>Indicador</source>
        <translation>Indicator</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unidade</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Como é calculado</source>
        <translation>How it is worked out</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Destruição [kW]</source>
        <translation>Destruction [kW]</translation>
    </message>
    <message>
        <source>Parcela [%] *</source>
        <translation>Share [%] *</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
</TS>
