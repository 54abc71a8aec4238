<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>AvisosVista</name>
    <message>
        <source>Nenhum cálculo completo: clique em &quot;Executar&quot; para ver os resultados aqui.</source>
        <translation>No complete calculation: click &quot;Run&quot; to see the results here.</translation>
    </message>
    <message>
        <source>Os resultados não correspondem mais às entradas: clique em &quot;Executar&quot; para recalcular.</source>
        <translation>The results no longer match the inputs: click &quot;Run&quot; to recalculate.</translation>
    </message>
</context>
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
    <name>DialogosArquivo</name>
    <message>
        <source>Casos da usina (*.usina)</source>
        <translation>usina cases (*.usina)</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Tudo em JSON (*.json)</source>
        <translation>Everything in JSON (*.json)</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nome do arquivo:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Pasta:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abrir caso</source>
        <translation>Open case</translation>
    </message>
    <message>
        <source>Todos os arquivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Salvar caso como</source>
        <translation>Save case as</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>Alterações não salvas</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Os dados de entrada de &quot;%1&quot; foram alterados.</source>
        <translation>The inputs of &quot;%1&quot; have been changed.</translation>
    </message>
    <message>
        <source>Deseja salvar as alterações?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Substituir arquivo</source>
        <translation>Replace file</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; já existe.</source>
        <translation>The file &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>Deseja substituí-lo?</source>
        <translation>Replace it?</translation>
    </message>
    <message>
        <source>Substituir</source>
        <translation>Replace</translation>
    </message>
</context>
<context>
    <name>Impressao</name>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>Janela</name>
    <message>
        <source>Dados de Entrada Globais</source>
        <translation>Global Input Data</translation>
    </message>
    <message>
        <source>Dados de Entrada globais</source>
        <translation>Global input data</translation>
    </message>
    <message>
        <source>Dados de Entrada</source>
        <translation>Input Data</translation>
    </message>
    <message>
        <source>Vapor para Processo</source>
        <translation>Process Steam</translation>
    </message>
    <message>
        <source>Processo</source>
        <translation>Process</translation>
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
        <source>Caldeira</source>
        <translation>Boiler</translation>
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
        <source>Turbina de alta pressão</source>
        <translation>High-Pressure Turbine</translation>
    </message>
    <message>
        <source>Turbina alta pressão</source>
        <translation>HP turbine</translation>
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
        <source>Bombeamento de condensado</source>
        <translation>Condensate Pumping</translation>
    </message>
    <message>
        <source>Bomba</source>
        <translation>Pump</translation>
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
        <source>Turbina de Acionamento da bomba de condensado</source>
        <translation>Condensate Pump Drive Turbine</translation>
    </message>
    <message>
        <source>Turbina de acionamento bomba</source>
        <translation>Pump drive turbine</translation>
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
        <source>TurboMoenda</source>
        <translation>Mill Drive Turbine</translation>
    </message>
    <message>
        <source>Turbomoenda</source>
        <translation>Mill drive turbine</translation>
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
        <source>Turbina de Média Pressão</source>
        <translation>Medium-Pressure Turbine</translation>
    </message>
    <message>
        <source>Turbina média pressão</source>
        <translation>MP turbine</translation>
    </message>
    <message>
        <source>Resultados Globais</source>
        <translation>Global Results</translation>
    </message>
    <message>
        <source>Resultados Gerais</source>
        <translation>Overall results</translation>
    </message>
    <message>
        <source>Quantidade de vapor [ton/h]</source>
        <translation>Steam quantity [t/h]</translation>
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
        <translation>Enthalpy change in the process [kW]</translation>
    </message>
    <message>
        <source>Taxa de Irreversibilidade no processo[kW]</source>
        <translation>Irreversibility rate in the process [kW]</translation>
    </message>
    <message>
        <source>Taxa de Irreversibilidade na válvula de Expansão [kW]</source>
        <translation>Irreversibility rate in the expansion valve [kW]</translation>
    </message>
    <message>
        <source>Dados Gerais por rótulo</source>
        <translation>General Data by Label</translation>
    </message>
    <message>
        <source>Arquivo de resultados gerais</source>
        <translation>General results file</translation>
    </message>
    <message>
        <source>Digite o nome do arquivo de saída tipo .txt</source>
        <translation>Type the name of the .txt output file</translation>
    </message>
    <message>
        <source>Fluxograma esquemático da Usina avaliada com contra pressão</source>
        <translation>Schematic flowsheet of the back-pressure plant evaluated</translation>
    </message>
    <message>
        <source>Fluxograma</source>
        <translation>Flowsheet</translation>
    </message>
    <message>
        <source>Salvar a figura como .jpeg</source>
        <translation>Save the picture as .jpeg</translation>
    </message>
    <message>
        <source>Modelagem Computacional de uma Usina de açúcar e álcool</source>
        <translation>Computer Modelling of a Sugar and Alcohol Mill</translation>
    </message>
    <message>
        <source>Componentes</source>
        <translation>Components</translation>
    </message>
    <message>
        <source>Projeto usina: cálculo do sistema de potência e cogeração de uma usina de açúcar e álcool</source>
        <translation>The usina project: calculation of the power and cogeneration system of a sugar and alcohol mill</translation>
    </message>
    <message>
        <source>Projeto usina</source>
        <translation>The usina project</translation>
    </message>
    <message>
        <source>Cálculo do sistema de potência</source>
        <translation>Calculation of the power and</translation>
    </message>
    <message>
        <source>e cogeração a bagaço de cana</source>
        <translation>bagasse cogeneration system</translation>
    </message>
    <message>
        <source>Este programa foi elaborado para </source>
        <translation>This program was written for </translation>
    </message>
    <message>
        <source>uma dada configuração de </source>
        <translation>a given configuration of the </translation>
    </message>
    <message>
        <source>fluxograma correspondente ao</source>
        <translation>flowsheet that makes up the</translation>
    </message>
    <message>
        <source>sistema de potência de uma</source>
        <translation>power system of a sugar</translation>
    </message>
    <message>
        <source>usina de açúcar e álcool.</source>
        <translation>and alcohol mill.</translation>
    </message>
    <message>
        <source>As propriedades da água e do</source>
        <translation>The properties of water and</translation>
    </message>
    <message>
        <source>vapor vêm de rotinas próprias,</source>
        <translation>steam come from routines of</translation>
    </message>
    <message>
        <source>escritas a partir da equação</source>
        <translation>its own, written from the</translation>
    </message>
    <message>
        <source>fundamental de Keenan, Keyes,</source>
        <translation>fundamental equation of Keenan,</translation>
    </message>
    <message>
        <source>Hill e Moore (1969).</source>
        <translation>Keyes, Hill and Moore (1969).</translation>
    </message>
    <message>
        <source>Para calcular parâmetros da </source>
        <translation>To calculate the plant </translation>
    </message>
    <message>
        <source>usina sem turbina de alta </source>
        <translation>without the high-pressure </translation>
    </message>
    <message>
        <source>pressão, tire o flag.</source>
        <translation>turbine, untick the box.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cofigurar Impressora</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
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
        <translation>HP turbine outlet pressure [bar]</translation>
    </message>
    <message>
        <source>Eficiência da turbina de alta pressão [%]</source>
        <translation>HP turbine efficiency [%]</translation>
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
        <translation>MP turbine isentropic efficiency [%]</translation>
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
        <source>kJ/kg</source>
        <translation>kJ/kg</translation>
    </message>
    <message>
        <source>kWh/t cana</source>
        <translation>kWh/t cane</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
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
    <name>TFusina</name>
    <message>
        <source>Executar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Executar (F9)</source>
        <translation>Run (F9)</translation>
    </message>
    <message>
        <source>Digite o nome do arquivo do relatório antes de gravar</source>
        <translation>Type the name of the report file before writing it</translation>
    </message>
    <message>
        <source>Relatório gravado em %1</source>
        <translation>Report written to %1</translation>
    </message>
    <message>
        <source>Digite o nome do arquivo da figura antes de salvar</source>
        <translation>Type the name of the picture file before saving it</translation>
    </message>
    <message>
        <source>Figura salva em %1</source>
        <translation>Picture saved to %1</translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Abrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Abrir &amp;recente</source>
        <translation>Open &amp;recent</translation>
    </message>
    <message>
        <source>&amp;Salvar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salvar &amp;como…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Exportar resultados…</source>
        <translation>&amp;Export results…</translation>
    </message>
    <message>
        <source>Relatório &amp;PDF…</source>
        <translation>&amp;PDF report…</translation>
    </message>
    <message>
        <source>Sa&amp;ir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Limpar lista</source>
        <translation>&amp;Clear list</translation>
    </message>
    <message>
        <source>Sem título</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Caso aberto: os resultados mostrados são do cálculo anterior.</source>
        <translation>Case opened: the results shown are from the previous calculation.</translation>
    </message>
    <message>
        <source>Caso novo: os resultados mostrados são do cálculo anterior.</source>
        <translation>New case: the results shown are from the previous calculation.</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não existe mais e foi retirado da lista de recentes</source>
        <translation>The file &quot;%1&quot; no longer exists and was removed from the recent list</translation>
    </message>
    <message>
        <source>Escolha um nome terminado em .csv ou .json para exportar os resultados</source>
        <translation>Choose a name ending in .csv or .json to export the results</translation>
    </message>
    <message>
        <source>Resultados exportados para %1</source>
        <translation>Results exported to %1</translation>
    </message>
    <message>
        <source>Fluxograma com resultados</source>
        <translation>Flowsheet with results</translation>
    </message>
    <message>
        <source>Tabela de correntes</source>
        <translation>Stream table</translation>
    </message>
    <message>
        <source>Indicadores</source>
        <translation>Indicators</translation>
    </message>
    <message>
        <source>Estudo paramétrico</source>
        <translation>Parametric study</translation>
    </message>
    <message>
        <source>Comparar casos</source>
        <translation>Compare cases</translation>
    </message>
    <message>
        <source>Exergia</source>
        <translation>Exergy</translation>
    </message>
    <message>
        <source>Diagrama T-s</source>
        <translation>T-s diagram</translation>
    </message>
    <message>
        <source>E&amp;xibir</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Fluxograma com resultados</source>
        <translation>&amp;Flowsheet with results</translation>
    </message>
    <message>
        <source>&amp;Tabela de correntes</source>
        <translation>&amp;Stream table</translation>
    </message>
    <message>
        <source>&amp;Indicadores</source>
        <translation>&amp;Indicators</translation>
    </message>
    <message>
        <source>A&amp;nálise</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>&amp;Estudo paramétrico</source>
        <translation>&amp;Parametric study</translation>
    </message>
    <message>
        <source>&amp;Comparar casos</source>
        <translation>&amp;Compare cases</translation>
    </message>
    <message>
        <source>Comparar &amp;configurações (com e sem a turbina de alta)</source>
        <translation>Compare c&amp;onfigurations (with and without the HP turbine)</translation>
    </message>
    <message>
        <source>E&amp;xergia</source>
        <translation>E&amp;xergy</translation>
    </message>
    <message>
        <source>Diagrama &amp;T-s</source>
        <translation>&amp;T-s diagram</translation>
    </message>
    <message>
        <source>Marcado: a usina tem a turbina de alta pressão.
Desmarcado: o vapor vivo vai direto ao coletor.</source>
        <translation>Ticked: the plant has the high-pressure turbine.
Unticked: the live steam goes straight to the header.</translation>
    </message>
    <message>
        <source>As entradas mudaram depois do último cálculo: clique em &quot;Executar&quot; antes de gerar o relatório PDF.</source>
        <translation>The inputs changed after the last calculation: click &quot;Run&quot; before making the PDF report.</translation>
    </message>
    <message>
        <source>Relatório PDF</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Relatório PDF gravado em %1</source>
        <translation>PDF report written to %1</translation>
    </message>
</context>
<context>
    <name>TextosNucleoJanela</name>
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
        <source>, menor que a pressão de saída na turbina de alta pressão (sem ela, menor que a pressão de operação da caldeira)</source>
        <translation>, below the HP turbine outlet pressure (without that turbine, below the boiler operating pressure)</translation>
    </message>
    <message>
        <source>, menor que a pressão de operação da caldeira</source>
        <translation>, below the boiler operating pressure</translation>
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
        <source>; acima de %1 %2 é lido como %3</source>
        <translation>; above %1 %2 it is read as %3</translation>
    </message>
    <message>
        <source>%1
Unidade: %2
Valores aceitos: %3.</source>
        <translation>%1
Unit: %2
Accepted values: %3.</translation>
    </message>
    <message>
        <source>Vapor insuficiente: faltam %1 t/h para a turbina de média pressão</source>
        <translation>Insufficient steam: %1 t/h short for the medium-pressure turbine</translation>
    </message>
    <message>
        <source>Dados de entrada recusados: nada foi calculado. Corrija o campo indicado e execute de novo.</source>
        <translation>Inputs refused: nothing was calculated. Correct the field indicated and run again.</translation>
    </message>
    <message>
        <source>O último cálculo parou com um erro: os resultados mostrados estão incompletos.</source>
        <translation>The last calculation stopped with an error: the results shown are incomplete.</translation>
    </message>
</context>
</TS>
