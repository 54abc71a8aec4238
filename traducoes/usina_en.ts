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
    <name>GraficoEstudo</name>
    <message>
        <source>o campo fica em branco sem a turbina de alta pressão</source>
        <translation>the field stays blank without the high-pressure turbine</translation>
    </message>
    <message>
        <source>o cálculo não terminou</source>
        <translation>the calculation did not finish</translation>
    </message>
    <message>
        <source>Um estudo tem um ou dois campos de entrada.</source>
        <translation>A study has one or two input fields.</translation>
    </message>
    <message>
        <source>Nenhuma saída escolhida para o gráfico.</source>
        <translation>No output chosen for the chart.</translation>
    </message>
    <message>
        <source>Curvas: %1</source>
        <translation>Curves: %1</translation>
    </message>
</context>
<context>
    <name>GraficoInterativo</name>
    <message>
        <source>Escolha um nome terminado em .png ou .svg para exportar o gráfico</source>
        <translation>Choose a name ending in .png or .svg to export the chart</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Desenho SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
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
    <name>ModeloEstudo</name>
    <message>
        <source>Campo de saída desconhecido na varredura: &apos;%1&apos;.</source>
        <translation>Unknown output field in the study: '%1'.</translation>
    </message>
    <message>
        <source>Campo de entrada desconhecido na varredura: &apos;%1&apos;.</source>
        <translation>Unknown input field in the study: '%1'.</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
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
        <translation>Steam to the expansion valve [%]</translation>
    </message>
    <message>
        <source>Eficiência isentrópica turbina de média pressão [%]</source>
        <translation>Medium-pressure turbine isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>Capacidade da Usina</source>
        <translation>Mill capacity</translation>
    </message>
    <message>
        <source>Vapor por tonelada de cana</source>
        <translation>Steam per tonne of cane</translation>
    </message>
    <message>
        <source>Bagaço (50% de umidade) por ton de cana</source>
        <translation>Bagasse (50% moisture) per tonne of cane</translation>
    </message>
    <message>
        <source>PCI do bagaço</source>
        <translation>Bagasse LHV</translation>
    </message>
    <message>
        <source>Potência de moagem</source>
        <translation>Milling power</translation>
    </message>
    <message>
        <source>Pressão do vapor para processos</source>
        <translation>Process steam pressure</translation>
    </message>
    <message>
        <source>Pressão de operação da Caldeira</source>
        <translation>Boiler operating pressure</translation>
    </message>
    <message>
        <source>Temperatura de saída da caldeira</source>
        <translation>Boiler outlet temperature</translation>
    </message>
    <message>
        <source>Eficiência Térmica da Caldeira</source>
        <translation>Boiler thermal efficiency</translation>
    </message>
    <message>
        <source>Pressão de saída na turbina de alta pressão</source>
        <translation>High-pressure turbine outlet pressure</translation>
    </message>
    <message>
        <source>Eficiência da turbina de alta pressão</source>
        <translation>High-pressure turbine efficiency</translation>
    </message>
    <message>
        <source>Pressão do condensado de retorno</source>
        <translation>Return condensate pressure</translation>
    </message>
    <message>
        <source>Temperatura do condensado de retorno</source>
        <translation>Return condensate temperature</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da bomba de condensado</source>
        <translation>Condensate pump isentropic efficiency</translation>
    </message>
    <message>
        <source>Eficiência da turbina de acionamento da bomba</source>
        <translation>Pump drive turbine efficiency</translation>
    </message>
    <message>
        <source>Eficiência isentrópica da turbomoenda</source>
        <translation>Mill drive turbine isentropic efficiency</translation>
    </message>
    <message>
        <source>Quantidade de vapor para válvula de expansão</source>
        <translation>Steam to the expansion valve</translation>
    </message>
    <message>
        <source>Eficiência isentrópica turbina de média pressão</source>
        <translation>Medium-pressure turbine isentropic efficiency</translation>
    </message>
    <message>
        <source>Turbina de alta pressão</source>
        <translation>High-pressure turbine</translation>
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
        <source>Vapor para Processo</source>
        <translation>Process steam</translation>
    </message>
    <message>
        <source>Caldeira</source>
        <translation>Boiler</translation>
    </message>
    <message>
        <source>Bombeamento de condensado</source>
        <translation>Condensate pumping</translation>
    </message>
    <message>
        <source>Turbina de Acionamento da bomba de condensado</source>
        <translation>Condensate pump drive turbine</translation>
    </message>
    <message>
        <source>TurboMoenda</source>
        <translation>Mill drive turbine</translation>
    </message>
    <message>
        <source>Turbina de Média Pressão</source>
        <translation>Medium-pressure turbine</translation>
    </message>
    <message>
        <source>Resultados Globais</source>
        <translation>Global results</translation>
    </message>
    <message>
        <source>Vazão de vapor [ton/h]</source>
        <translation>Steam flow [t/h]</translation>
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
        <source>Título</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Producão de vapor [ton/h]</source>
        <translation>Steam production [t/h]</translation>
    </message>
    <message>
        <source>Pressão de Entrada [bar]</source>
        <translation>Inlet pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura de Entrada do Condensado [°C]</source>
        <translation>Condensate inlet temperature [°C]</translation>
    </message>
    <message>
        <source>Pressão de Saída [bar]</source>
        <translation>Outlet pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura de saída do vapor [°C]</source>
        <translation>Steam outlet temperature [°C]</translation>
    </message>
    <message>
        <source>Eficiência da caldeira [%]</source>
        <translation>Boiler efficiency [%]</translation>
    </message>
    <message>
        <source>Consumo de combustível [kg/s]</source>
        <translation>Fuel consumption [kg/s]</translation>
    </message>
    <message>
        <source>Temperatura de entrada [°C]</source>
        <translation>Inlet temperature [°C]</translation>
    </message>
    <message>
        <source>Vazão de vapor [kg/s]</source>
        <translation>Steam flow [kg/s]</translation>
    </message>
    <message>
        <source>Temperatura de saída [°C]</source>
        <translation>Outlet temperature [°C]</translation>
    </message>
    <message>
        <source>Eficiência Isentrópica [%]</source>
        <translation>Isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>Potência Fornecida [kW]</source>
        <translation>Power delivered [kW]</translation>
    </message>
    <message>
        <source>Irreversibilidades [kW]</source>
        <translation>Irreversibilities [kW]</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei [%]</source>
        <translation>Second-law efficiency [%]</translation>
    </message>
    <message>
        <source>Vazão de condensado [kg/s]</source>
        <translation>Condensate flow [kg/s]</translation>
    </message>
    <message>
        <source>Pressão na entrada [bar]</source>
        <translation>Inlet pressure [bar]</translation>
    </message>
    <message>
        <source>temperatura na entrada [°C]</source>
        <translation>Inlet temperature [°C]</translation>
    </message>
    <message>
        <source>Pressão na saída [bar]</source>
        <translation>Outlet pressure [bar]</translation>
    </message>
    <message>
        <source>Temperatura na saída [°C]</source>
        <translation>Outlet temperature [°C]</translation>
    </message>
    <message>
        <source>Eficiência isentrópica [%]</source>
        <translation>Isentropic efficiency [%]</translation>
    </message>
    <message>
        <source>Potência Requerida [kW]</source>
        <translation>Power required [kW]</translation>
    </message>
    <message>
        <source>Pressão de entrada [bar]</source>
        <translation>Inlet pressure [bar]</translation>
    </message>
    <message>
        <source>Pressão de saída [bar]</source>
        <translation>Outlet pressure [bar]</translation>
    </message>
    <message>
        <source>Potência fornecida [kW]</source>
        <translation>Power delivered [kW]</translation>
    </message>
    <message>
        <source>Vazão de vapor requerido [kg/s]</source>
        <translation>Steam flow required [kg/s]</translation>
    </message>
    <message>
        <source>Temperatura de Entrada [°C]</source>
        <translation>Inlet temperature [°C]</translation>
    </message>
    <message>
        <source>Potência [kW]</source>
        <translation>Power [kW]</translation>
    </message>
    <message>
        <source>Quantidade de vapor [ton/h]</source>
        <translation>Steam generated [t/h]</translation>
    </message>
    <message>
        <source>Quantidade de bagaço disponível [ton/h]</source>
        <translation>Bagasse available [t/h]</translation>
    </message>
    <message>
        <source>Consumo Bagaço Caldeira [ton/h]</source>
        <translation>Boiler bagasse consumption [t/h]</translation>
    </message>
    <message>
        <source>Excedente de bagaço [%]</source>
        <translation>Bagasse surplus [%]</translation>
    </message>
    <message>
        <source>Potência Elétrica [kW]</source>
        <translation>Electric power [kW]</translation>
    </message>
    <message>
        <source>Potência de moagem [kW]</source>
        <translation>Milling power [kW]</translation>
    </message>
    <message>
        <source>Potência de bombeamento [kW]</source>
        <translation>Pumping power [kW]</translation>
    </message>
    <message>
        <source>Variação de Entalpia no processo [kW]</source>
        <translation>Process enthalpy change [kW]</translation>
    </message>
    <message>
        <source>Taxa de Irreversibilidade no processo[kW]</source>
        <translation>Process irreversibility rate [kW]</translation>
    </message>
    <message>
        <source>Taxa de Irreversibilidade na válvula de Expansão [kW]</source>
        <translation>Expansion valve irreversibility rate [kW]</translation>
    </message>
    <message>
        <source>Quantidade de vapor</source>
        <translation>Steam generated</translation>
    </message>
    <message>
        <source>Quantidade de bagaço disponível</source>
        <translation>Bagasse available</translation>
    </message>
    <message>
        <source>Consumo de bagaço na caldeira</source>
        <translation>Boiler bagasse consumption</translation>
    </message>
    <message>
        <source>Excedente de bagaço</source>
        <translation>Bagasse surplus</translation>
    </message>
    <message>
        <source>Potência elétrica</source>
        <translation>Electric power</translation>
    </message>
    <message>
        <source>Potência de bombeamento</source>
        <translation>Pumping power</translation>
    </message>
    <message>
        <source>Variação de entalpia no processo</source>
        <translation>Process enthalpy change</translation>
    </message>
    <message>
        <source>Taxa de irreversibilidades no processo</source>
        <translation>Process irreversibility rate</translation>
    </message>
    <message>
        <source>Taxa de irreversibilidades na válvula de expansão</source>
        <translation>Expansion valve irreversibility rate</translation>
    </message>
    <message>
        <source>Potência elétrica por tonelada de cana</source>
        <translation>Electric power per tonne of cane</translation>
    </message>
    <message>
        <source>Consumo de vapor por tonelada de cana</source>
        <translation>Steam consumption per tonne of cane</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbina de alta pressão</source>
        <translation>High-pressure turbine specific steam consumption</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbomoenda</source>
        <translation>Mill drive turbine specific steam consumption</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbina de média pressão</source>
        <translation>Medium-pressure turbine specific steam consumption</translation>
    </message>
    <message>
        <source>Consumo específico de vapor da turbina da bomba</source>
        <translation>Pump turbine specific steam consumption</translation>
    </message>
    <message>
        <source>Superaquecimento do vapor de processo</source>
        <translation>Process steam superheat</translation>
    </message>
    <message>
        <source>Eficiência de primeira lei da usina</source>
        <translation>Plant first-law efficiency</translation>
    </message>
    <message>
        <source>Exergia do bagaço queimado</source>
        <translation>Exergy of the bagasse burnt</translation>
    </message>
    <message>
        <source>Eficiência de segunda lei da usina</source>
        <translation>Plant second-law efficiency</translation>
    </message>
    <message>
        <source>Turbina da bomba</source>
        <translation>Pump turbine</translation>
    </message>
    <message>
        <source>Turbomoenda</source>
        <translation>Mill drive turbine</translation>
    </message>
    <message>
        <source>Válvula de expansão</source>
        <translation>Expansion valve</translation>
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
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Exergia do bagaço estimada: PCI × 1,36, pela correlação de Szargut e Styrylska (1964) para combustíveis sólidos, bagaço seco com C 47 %, H 6,5 %, O 44 %, cinzas 2,5 % e 50 % de umidade.</source>
        <translation>Bagasse exergy estimated: LHV × 1.36, by Szargut and Styrylska's correlation (1964) for solid fuels, dry bagasse with C 47 %, H 6.5 %, O 44 %, ash 2.5 % and 50 % moisture.</translation>
    </message>
    <message>
        <source>Com turbina de alta pressão</source>
        <translation>With high-pressure turbine</translation>
    </message>
    <message>
        <source>Sem turbina de alta pressão</source>
        <translation>Without high-pressure turbine</translation>
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
    <name>VistaComparacao</name>
    <message>
        <source>Atual</source>
        <translation>Current</translation>
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
        <source>calculado</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>calculado, com aviso</source>
        <translation>calculated, with warning</translation>
    </message>
    <message>
        <source>entradas recusadas</source>
        <translation>inputs refused</translation>
    </message>
    <message>
        <source>cálculo interrompido</source>
        <translation>calculation interrupted</translation>
    </message>
    <message>
        <source>não calculado</source>
        <translation>not calculated</translation>
    </message>
    <message>
        <source>Destruição de exergia: %1</source>
        <translation>Exergy destroyed: %1</translation>
    </message>
    <message>
        <source>Comparar casos</source>
        <translation>Compare cases</translation>
    </message>
    <message>
        <source>Adicionar caso…</source>
        <translation>Add case…</translation>
    </message>
    <message>
        <source>Abre um arquivo .usina e o compara com as entradas atuais.</source>
        <translation>Opens a .usina file and compares it with the current inputs.</translation>
    </message>
    <message>
        <source>Comparar configurações</source>
        <translation>Compare configurations</translation>
    </message>
    <message>
        <source>Compara as entradas atuais com e sem a turbina de alta pressão.</source>
        <translation>Compares the current inputs with and without the high-pressure turbine.</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Retira da comparação o caso da coluna selecionada.</source>
        <translation>Takes the case of the selected column out of the comparison.</translation>
    </message>
    <message>
        <source>Atualizar</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Calcula de novo todos os casos com as entradas atuais.</source>
        <translation>Calculates every case again with the current inputs.</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Nenhuma comparação: clique em &quot;Atualizar&quot; para calcular as entradas atuais, e acrescente casos com &quot;Adicionar caso…&quot; ou &quot;Comparar configurações&quot;.</source>
        <translation>No comparison: click "Refresh" to calculate the current inputs, and add cases with "Add case…" or "Compare configurations".</translation>
    </message>
    <message>
        <source>As entradas atuais não puderam ser lidas: %1 A comparação mostrada é a das últimas entradas válidas.</source>
        <translation>The current inputs could not be read: %1 The comparison shown is that of the last valid inputs.</translation>
    </message>
    <message>
        <source>As entradas atuais não puderam ser lidas: %1</source>
        <translation>The current inputs could not be read: %1</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>As entradas atuais na outra configuração.</source>
        <translation>The current inputs in the other configuration.</translation>
    </message>
    <message>
        <source>Diferença para o caso atual, na unidade da grandeza.</source>
        <translation>Difference to the current case, in the unit of the quantity.</translation>
    </message>
    <message>
        <source>Diferença para o caso atual, em % do valor do caso atual.</source>
        <translation>Difference to the current case, in % of the current case's value.</translation>
    </message>
    <message>
        <source>As entradas da janela.</source>
        <translation>The window's inputs.</translation>
    </message>
    <message>
        <source>Situação do cálculo</source>
        <translation>Calculation status</translation>
    </message>
    <message>
        <source>Entradas que diferem</source>
        <translation>Inputs that differ</translation>
    </message>
    <message>
        <source>Resultados globais</source>
        <translation>Global results</translation>
    </message>
    <message>
        <source>Indicadores</source>
        <translation>Indicators</translation>
    </message>
    <message>
        <source>(nenhuma: as entradas dos casos são iguais)</source>
        <translation>(none: the cases' inputs are the same)</translation>
    </message>
    <message>
        <source>Ainda não há comparação: clique em &quot;Atualizar&quot; antes de gravar.</source>
        <translation>There is no comparison yet: click "Refresh" before saving.</translation>
    </message>
    <message>
        <source>Exportar comparação de casos</source>
        <translation>Export case comparison</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>VistaEstudo</name>
    <message>
        <source>Número de pontos da faixa, extremos incluídos (2 ou mais)</source>
        <translation>Number of points of the range, ends included (2 or more)</translation>
    </message>
    <message>
        <source>De</source>
        <translation>From</translation>
    </message>
    <message>
        <source>a</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Ainda não há estudo: clique em &quot;Executar estudo&quot; antes de gravar.</source>
        <translation>There is no study yet: click "Run study" before saving.</translation>
    </message>
    <message>
        <source>Escolha um nome terminado em .png ou .svg para exportar o gráfico</source>
        <translation>Choose a name ending in .png or .svg to export the chart</translation>
    </message>
    <message>
        <source>Estudo paramétrico</source>
        <translation>Parametric study</translation>
    </message>
    <message>
        <source>Entradas variadas</source>
        <translation>Varied inputs</translation>
    </message>
    <message>
        <source>Primeira entrada (eixo horizontal):</source>
        <translation>First input (horizontal axis):</translation>
    </message>
    <message>
        <source>Segunda entrada (uma curva por valor):</source>
        <translation>Second input (one curve per value):</translation>
    </message>
    <message>
        <source>Saídas</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Outros</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>No gráfico:</source>
        <translation>On the chart:</translation>
    </message>
    <message>
        <source>Executar estudo</source>
        <translation>Run study</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exportar tabela CSV…</source>
        <translation>Export CSV table…</translation>
    </message>
    <message>
        <source>Exportar gráfico…</source>
        <translation>Export chart…</translation>
    </message>
    <message>
        <source>Nenhum estudo executado: escolha as entradas e as saídas e clique em &quot;Executar estudo&quot;.</source>
        <translation>No study run: choose the inputs and the outputs and click "Run study".</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Tabela</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>nenhuma</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Primeiro valor [%1]</source>
        <translation>First value [%1]</translation>
    </message>
    <message>
        <source>Último valor [%1]</source>
        <translation>Last value [%1]</translation>
    </message>
    <message>
        <source>Marque pelo menos uma saída para o estudo.</source>
        <translation>Check at least one output for the study.</translation>
    </message>
    <message>
        <source>Um estudo já está em execução.</source>
        <translation>A study is already running.</translation>
    </message>
    <message>
        <source>Calculando…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>O estudo não terminou.</source>
        <translation>The study did not finish.</translation>
    </message>
    <message>
        <source>Estudo cancelado: %1 de %2 pontos calculados.</source>
        <translation>Study cancelled: %1 of %2 points calculated.</translation>
    </message>
    <message>
        <source>Estudo concluído: %1 de %2 pontos.</source>
        <translation>Study finished: %1 of %2 points.</translation>
    </message>
    <message>
        <source>%1 ponto não calculado (lacunas nas curvas):</source>
        <translation>%1 point not calculated (gaps in the curves):</translation>
    </message>
    <message>
        <source>%1 pontos não calculados (lacunas nas curvas):</source>
        <translation>%1 points not calculated (gaps in the curves):</translation>
    </message>
    <message>
        <source>%1 ponto não executado (estudo cancelado).</source>
        <translation>%1 point not run (study cancelled).</translation>
    </message>
    <message>
        <source>%1 pontos não executados (estudo cancelado).</source>
        <translation>%1 points not run (study cancelled).</translation>
    </message>
    <message>
        <source>… e mais %1 (veja a tabela)</source>
        <translation>… and %1 more (see the table)</translation>
    </message>
    <message>
        <source>Exportar tabela do estudo</source>
        <translation>Export the study table</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Exportar gráfico do estudo</source>
        <translation>Export the study chart</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagem SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Estudo</source>
        <translation>Study</translation>
    </message>
</context>
</TS>
