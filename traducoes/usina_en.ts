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
    <message>
        <source>Propriedades da água que não convergiram neste cálculo: os resultados não são confiáveis (veja a linha de avisos).</source>
        <translation>Water properties that did not converge in this run: the results are not reliable (see the warning line).</translation>
    </message>
</context>
<context>
    <name>CamposAnalise</name>
    <message>
        <source>Safra</source>
        <translation>Season</translation>
    </message>
</context>
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
    <name>DialogoPropriedadesCaso</name>
    <message>
        <source>Propriedades do caso</source>
        <translation>Case properties</translation>
    </message>
    <message>
        <source>O que este caso representa: usina, safra, hipóteses, autor…</source>
        <translation>What this case stands for: mill, season, assumptions, author…</translation>
    </message>
    <message>
        <source>Caso:</source>
        <translation>Case:</translation>
    </message>
    <message>
        <source>&amp;Descrição:</source>
        <translation>&amp;Description:</translation>
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
    <message>
        <source>&quot;%1&quot; é uma ligação simbólica para o arquivo &quot;%2&quot;, que já existe.</source>
        <translation>&quot;%1&quot; is a symbolic link to the file &quot;%2&quot;, which already exists.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; é uma ligação simbólica para &quot;%2&quot;, que não existe e será criado.</source>
        <translation>&quot;%1&quot; is a symbolic link to &quot;%2&quot;, which does not exist and will be created.</translation>
    </message>
    <message>
        <source>Deseja gravar nesse arquivo? A ligação continua a mesma.</source>
        <translation>Do you want to write to that file? The link stays as it is.</translation>
    </message>
</context>
<context>
    <name>EixoConfiguracao</name>
    <message>
        <source>Configuração: com e sem turbina de alta pressão</source>
        <translation>Configuration: with and without the high-pressure turbine</translation>
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
    <name>JanelaAnalise</name>
    <message>
        <source>Análise</source>
        <translation>Analysis</translation>
    </message>
</context>
<context>
    <name>Mensagens</name>
    <message>
        <source>Valor impossível em &quot;%1&quot;: %2. %3.</source>
        <translation>Impossible value in &quot;%1&quot;: %2. %3.</translation>
    </message>
    <message>
        <source>Valor impossível em %1: não é um número finito.</source>
        <translation>Impossible value in %1: not a finite number.</translation>
    </message>
    <message>
        <source>Deve ser um número finito</source>
        <translation>Must be a finite number</translation>
    </message>
    <message>
        <source>Deve ser maior que zero</source>
        <translation>Must be greater than zero</translation>
    </message>
    <message>
        <source>Deve ser zero ou maior</source>
        <translation>Must be zero or greater</translation>
    </message>
    <message>
        <source>Deve ser maior que 0 e no máximo 100 %</source>
        <translation>Must be greater than 0 and at most 100 %</translation>
    </message>
    <message>
        <source>Deve estar entre 0 e 100 %</source>
        <translation>Must be between 0 and 100 %</translation>
    </message>
    <message>
        <source>Deve estar entre %1 e %2 bar, a faixa das propriedades da água</source>
        <translation>Must be between %1 and %2 bar, the range of the water properties</translation>
    </message>
    <message>
        <source>Deve ser menor que a pressão de operação da caldeira, %1 bar</source>
        <translation>Must be lower than the boiler&apos;s operating pressure, %1 bar</translation>
    </message>
    <message>
        <source>Deve ser menor que a pressão de saída na turbina de alta pressão, %1 bar</source>
        <translation>Must be lower than the high-pressure turbine&apos;s outlet pressure, %1 bar</translation>
    </message>
    <message>
        <source>Deve ser maior que a temperatura de saturação à pressão da caldeira, %1 °C: o vapor vivo sai superaquecido</source>
        <translation>Must be higher than the saturation temperature at the boiler pressure, %1 °C: live steam leaves superheated</translation>
    </message>
    <message>
        <source>Deve ser menor que a temperatura de saturação à pressão do condensado, %1 °C: o condensado volta líquido</source>
        <translation>Must be lower than the saturation temperature at the condensate pressure, %1 °C: the condensate returns liquid</translation>
    </message>
    <message>
        <source>Deve ser 0 °C ou mais: abaixo disso a água congela</source>
        <translation>Must be 0 °C or more: below that the water freezes</translation>
    </message>
    <message>
        <source>Uma varredura tem um ou dois campos de entrada, não %1.</source>
        <translation>A sweep has one or two input fields, not %1.</translation>
    </message>
    <message>
        <source>Campo de entrada desconhecido na varredura: %1.</source>
        <translation>Unknown input field in the sweep: %1.</translation>
    </message>
    <message>
        <source>O campo %1 aparece duas vezes na varredura.</source>
        <translation>The field %1 appears twice in the sweep.</translation>
    </message>
    <message>
        <source>O campo %1 só é usado com a turbina de alta pressão.</source>
        <translation>The field %1 is used only with the high-pressure turbine.</translation>
    </message>
    <message>
        <source>A varredura teria mais de %1 pontos.</source>
        <translation>The sweep would have more than %1 points.</translation>
    </message>
    <message>
        <source>Campo de saída desconhecido na varredura: %1.</source>
        <translation>Unknown output field in the sweep: %1.</translation>
    </message>
    <message>
        <source>A varredura de %1 precisa de pelo menos 2 pontos, não %2.</source>
        <translation>The sweep of %1 needs at least 2 points, not %2.</translation>
    </message>
    <message>
        <source>A faixa da varredura de %1 dá valores que não são finitos.</source>
        <translation>The sweep range of %1 gives values that are not finite.</translation>
    </message>
    <message>
        <source>A faixa da varredura de %1 não é finita.</source>
        <translation>The sweep range of %1 is not finite.</translation>
    </message>
    <message>
        <source>Ainda não há resultados: execute o cálculo (Executar) antes de gravar.</source>
        <translation>No results yet: run the calculation (Run) before saving.</translation>
    </message>
    <message>
        <source>O último cálculo não terminou: não há resultados completos para gravar.</source>
        <translation>The last calculation did not finish: there are no complete results to save.</translation>
    </message>
    <message>
        <source>Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): %1</source>
        <translation>Pressure outside the range of the water properties (0,0006109 to 19 MPa): %1</translation>
    </message>
    <message>
        <source>Modo de cálculo das propriedades da água inválido: %1</source>
        <translation>Invalid calculation mode of the water properties: %1</translation>
    </message>
    <message>
        <source>Título fora do intervalo de 0 a 1: %1</source>
        <translation>Quality outside the interval 0 to 1: %1</translation>
    </message>
    <message>
        <source>Sistema de equações singular no cálculo das propriedades da água</source>
        <translation>Singular system of equations in the water property calculation</translation>
    </message>
    <message>
        <source>Temperatura fora da curva de saturação</source>
        <translation>Temperature outside the saturation curve</translation>
    </message>
    <message>
        <source>Sem líquido e vapor saturados separados a esta temperatura</source>
        <translation>No separate saturated liquid and vapour at this temperature</translation>
    </message>
    <message>
        <source>O arquivo %1 não é um caso válido: %2</source>
        <translation>The file %1 is not a valid case: %2</translation>
    </message>
    <message>
        <source>Não foi possível ler o arquivo %1: %2</source>
        <translation>The file %1 could not be read: %2</translation>
    </message>
    <message>
        <source>O caso não foi gravado em %1: %2</source>
        <translation>The case was not saved to %1: %2</translation>
    </message>
    <message>
        <source>O caso não pode ser gravado: o texto de %1 não é um número: %2</source>
        <translation>The case cannot be saved: the text of %1 is not a number: %2</translation>
    </message>
    <message>
        <source>O arquivo %1 tem a chave desconhecida %2, ignorada.</source>
        <translation>The file %1 has the unknown key %2, ignored.</translation>
    </message>
    <message>
        <source>O arquivo %1 tem mais %2 chaves desconhecidas, ignoradas.</source>
        <translation>The file %1 has %2 more unknown keys, ignored.</translation>
    </message>
    <message>
        <source>está vazio</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>o texto não está em UTF-8 (byte inválido na %1)</source>
        <translation>the text is not UTF-8 (invalid byte at %1)</translation>
    </message>
    <message>
        <source>linha %1, coluna %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>falta a chave &quot;formato&quot; com o valor &quot;%1&quot;: não parece um caso do usina</source>
        <translation>the key &quot;formato&quot; with the value &quot;%1&quot; is missing: it does not look like a usina case</translation>
    </message>
    <message>
        <source>&quot;formato&quot; deve ser &quot;%1&quot;, não %2</source>
        <translation>&quot;formato&quot; must be &quot;%1&quot;, not %2</translation>
    </message>
    <message>
        <source>falta a chave &quot;versao&quot;</source>
        <translation>the key &quot;versao&quot; is missing</translation>
    </message>
    <message>
        <source>&quot;versao&quot; deve ser um número, não %1</source>
        <translation>&quot;versao&quot; must be a number, not %1</translation>
    </message>
    <message>
        <source>a versão %1 do formato não é conhecida (este programa lê a versão %2)</source>
        <translation>version %1 of the format is not known (this program reads version %2)</translation>
    </message>
    <message>
        <source>falta a entrada %1</source>
        <translation>the input %1 is missing</translation>
    </message>
    <message>
        <source>a entrada %1 deve ser um número, não %2</source>
        <translation>the input %1 must be a number, not %2</translation>
    </message>
    <message>
        <source>falta a chave &quot;com_turbina_alta&quot; (true ou false)</source>
        <translation>the key &quot;com_turbina_alta&quot; (true or false) is missing</translation>
    </message>
    <message>
        <source>&quot;com_turbina_alta&quot; deve ser true ou false, não %1</source>
        <translation>&quot;com_turbina_alta&quot; must be true or false, not %1</translation>
    </message>
    <message>
        <source>&quot;descricao&quot; deve ser um texto, não %1</source>
        <translation>&quot;descricao&quot; must be a text, not %1</translation>
    </message>
    <message>
        <source>objetos e listas aninhados em mais de %1 níveis</source>
        <translation>objects and lists nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>a chave %1 aparece mais de uma vez</source>
        <translation>the key %1 appears more than once</translation>
    </message>
    <message>
        <source>o conteúdo deve ser um objeto JSON ({...}), não %1</source>
        <translation>the content must be a JSON object ({...}), not %1</translation>
    </message>
    <message>
        <source>o número %1 (%2) está fora do alcance de um número de ponto flutuante</source>
        <translation>the number %1 (%2) is out of the range of a floating-point number</translation>
    </message>
    <message>
        <source>o texto acaba (%1) antes de o JSON se completar: o arquivo parece truncado</source>
        <translation>the text ends (%1) before the JSON is complete: the file looks truncated</translation>
    </message>
    <message>
        <source>JSON inválido na %1, em %2 (NaN e Infinity não são números em JSON)</source>
        <translation>invalid JSON at %1, at %2 (NaN and Infinity are not numbers in JSON)</translation>
    </message>
    <message>
        <source>JSON inválido na %1, em %2</source>
        <translation>invalid JSON at %1, at %2</translation>
    </message>
    <message>
        <source>é grande demais para um caso: %1 bytes (o máximo é %2 bytes, 1 MiB)</source>
        <translation>it is too large for a case: %1 bytes (the maximum is %2 bytes, 1 MiB)</translation>
    </message>
    <message>
        <source>mais de %1</source>
        <translation>more than %1</translation>
    </message>
    <message>
        <source>um valor lógico</source>
        <translation>a logical value</translation>
    </message>
    <message>
        <source>um número</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>um texto</source>
        <translation>a text</translation>
    </message>
    <message>
        <source>uma lista</source>
        <translation>a list</translation>
    </message>
    <message>
        <source>um objeto</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>o arquivo não existe</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>uma parte do caminho não é uma pasta</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>é uma pasta, não um arquivo</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>acesso negado</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>o nome é longo demais</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>ligações simbólicas em ciclo</source>
        <translation>symbolic links in a loop</translation>
    </message>
    <message>
        <source>arquivos abertos demais</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>erro de entrada e saída %1</source>
        <translation>input/output error %1</translation>
    </message>
    <message>
        <source>nome de arquivo inválido</source>
        <translation>invalid file name</translation>
    </message>
    <message>
        <source>A faixa da varredura de %1 passa do limite de %2 %3: acima dele o cálculo usa o próprio limite.</source>
        <translation>The sweep range of %1 goes past the limit of %2 %3: above it the calculation uses the limit itself.</translation>
    </message>
    <message>
        <source>O campo de saída %1 aparece duas vezes na varredura.</source>
        <translation>The output field %1 appears twice in the sweep.</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>a pasta não existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>não há permissão para criar arquivos na pasta</source>
        <translation>there is no permission to create files in the folder</translation>
    </message>
    <message>
        <source>o sistema de arquivos só permite leitura</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>o disco está cheio</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>o arquivo passa do tamanho máximo permitido</source>
        <translation>the file exceeds the largest size allowed</translation>
    </message>
    <message>
        <source>é uma FIFO (pipe nomeado), não um arquivo comum</source>
        <translation>it is a FIFO (named pipe), not a regular file</translation>
    </message>
    <message>
        <source>é um soquete, não um arquivo comum</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>é um dispositivo, não um arquivo comum</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>As configurações em %1 não foram lidas: %2; esta sessão usa os valores padrão e não as guarda.</source>
        <translation>The settings in %1 were not read: %2; this session uses the defaults and does not save them.</translation>
    </message>
    <message>
        <source>é grande demais: %1 bytes (o máximo é %2 bytes)</source>
        <translation>it is too large: %1 bytes (the maximum is %2 bytes)</translation>
    </message>
    <message>
        <source>&quot;propriedades&quot; deve ser &quot;kkhm&quot; ou &quot;if97&quot;, não %1</source>
        <translation>&quot;propriedades&quot; must be &quot;kkhm&quot; or &quot;if97&quot;, not %1</translation>
    </message>
    <message>
        <source>Deve ser maior que 0 e no máximo %1 dias</source>
        <translation>Must be greater than 0 and at most %1 days</translation>
    </message>
    <message>
        <source>Temperatura fora da faixa das propriedades da água (-20 a 2000 °C): %1</source>
        <translation>Temperature outside the range of the water properties (-20 to 2000 °C): %1</translation>
    </message>
    <message>
        <source>Temperatura fora da faixa das propriedades da água: %1</source>
        <translation>Temperature outside the range of the water properties: %1</translation>
    </message>
    <message>
        <source>Entalpia fora da faixa das propriedades da água: %1</source>
        <translation>Enthalpy outside the range of the water properties: %1</translation>
    </message>
    <message>
        <source>Entropia fora da faixa das propriedades da água: %1</source>
        <translation>Entropy outside the range of the water properties: %1</translation>
    </message>
    <message>
        <source>Temperatura fora da faixa de saturação (0 a 373,946 °C): %1</source>
        <translation>Temperature outside the saturation range (0 to 373,946 °C): %1</translation>
    </message>
    <message>
        <source>Pressão fora da faixa de saturação (0,0006109 a 22,064 MPa): %1</source>
        <translation>Pressure outside the saturation range (0,0006109 to 22,064 MPa): %1</translation>
    </message>
    <message>
        <source>A varredura da configuração %1 tem os dois pontos 1 (com a turbina de alta pressão) e 0 (sem ela).</source>
        <translation>The sweep of the configuration %1 has the two points 1 (with the high-pressure turbine) and 0 (without it).</translation>
    </message>
    <message>
        <source>Campo de entrada desconhecido: %1.</source>
        <translation>Unknown input field: %1.</translation>
    </message>
    <message>
        <source>Campo de saída desconhecido: %1.</source>
        <translation>Unknown output field: %1.</translation>
    </message>
    <message>
        <source>O campo %1 aparece duas vezes na otimização.</source>
        <translation>The field %1 appears twice in the optimisation.</translation>
    </message>
    <message>
        <source>O campo de saída %1 fica em branco sem a turbina de alta pressão.</source>
        <translation>The output field %1 is blank without the high-pressure turbine.</translation>
    </message>
    <message>
        <source>A faixa de %1 precisa de um mínimo e um máximo finitos, o mínimo abaixo do máximo.</source>
        <translation>The range of %1 needs a finite minimum and maximum, the minimum below the maximum.</translation>
    </message>
    <message>
        <source>A faixa de %1 passa do limite de %2 %3: acima dele o cálculo usa o próprio limite.</source>
        <translation>The range of %1 passes the limit of %2 %3: above it the calculation uses the limit itself.</translation>
    </message>
    <message>
        <source>Uma otimização varia de 1 a 4 campos de entrada.</source>
        <translation>An optimisation varies 1 to 4 input fields.</translation>
    </message>
    <message>
        <source>A grade da otimização teria pontos demais.</source>
        <translation>The optimisation&apos;s grid would have too many points.</translation>
    </message>
    <message>
        <source>O passo da sensibilidade fica acima de 0 e abaixo de 100 %.</source>
        <translation>The sensitivity step lies above 0 and below 100 %.</translation>
    </message>
    <message>
        <source>O valor dado para %1 não é um número finito.</source>
        <translation>The value given for %1 is not a finite number.</translation>
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
    <message>
        <source>Vazão negativa: não física. As turbinas de acionamento e a válvula tomam mais vapor do que a caldeira produz.</source>
        <translation>Negative flow: not physical. The drive turbines and the valve take more steam than the boiler makes.</translation>
    </message>
    <message>
        <source>Pressão [bar (abs.)]</source>
        <translation>Pressure [bar (abs.)]</translation>
    </message>
    <message>
        <source>Pressão absoluta</source>
        <translation>Absolute pressure</translation>
    </message>
</context>
<context>
    <name>ModeloEstudo</name>
    <message>
        <source>Campo de saída desconhecido na varredura: &apos;%1&apos;.</source>
        <translation>Unknown output field in the study: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Campo de entrada desconhecido na varredura: &apos;%1&apos;.</source>
        <translation>Unknown input field in the study: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Com turbina de alta pressão</source>
        <translation>With high-pressure turbine</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
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
    <message>
        <source>kJ/kg</source>
        <translation>kJ/kg</translation>
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
        <source>Potência exportável</source>
        <translation>Exportable power</translation>
    </message>
    <message>
        <source>Potência elétrica × rendimento do gerador menos o consumo elétrico próprio da usina; negativa quando a usina importa energia.</source>
        <translation>Electric power × generator efficiency less the mill&apos;s own electric consumption; negative when the mill imports energy.</translation>
    </message>
    <message>
        <source>Energia exportada por tonelada de cana</source>
        <translation>Energy exported per tonne of cane</translation>
    </message>
    <message>
        <source>Potência exportável dividida pela moagem horária de cana.</source>
        <translation>Exportable power divided by the hourly cane crushing rate.</translation>
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
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Com turbina de alta pressão</source>
        <translation>With high-pressure turbine</translation>
    </message>
    <message>
        <source>Sem turbina de alta pressão</source>
        <translation>Without high-pressure turbine</translation>
    </message>
    <message>
        <source>Massa no coletor</source>
        <translation>Mass at the header</translation>
    </message>
    <message>
        <source>Massa no misturador</source>
        <translation>Mass at the mixer</translation>
    </message>
    <message>
        <source>Energia no coletor</source>
        <translation>Energy at the header</translation>
    </message>
    <message>
        <source>Energia da usina</source>
        <translation>Energy of the plant</translation>
    </message>
    <message>
        <source>do vapor produzido</source>
        <translation>of the steam produced</translation>
    </message>
    <message>
        <source>do calor da caldeira</source>
        <translation>of the boiler heat</translation>
    </message>
    <message>
        <source>Duração da safra [dias]</source>
        <translation>Season length [days]</translation>
    </message>
    <message>
        <source>Aproveitamento do tempo de moagem [%]</source>
        <translation>Crushing time utilisation [%]</translation>
    </message>
    <message>
        <source>Rendimento do gerador [%]</source>
        <translation>Generator efficiency [%]</translation>
    </message>
    <message>
        <source>Consumo elétrico próprio [kWh/ton cana]</source>
        <translation>Own electric consumption [kWh/t cane]</translation>
    </message>
    <message>
        <source>Preço da energia exportada [R$/MWh]</source>
        <translation>Price of exported energy [R$/MWh]</translation>
    </message>
    <message>
        <source>Preço do bagaço excedente [R$/ton]</source>
        <translation>Price of surplus bagasse [R$/t]</translation>
    </message>
    <message>
        <source>Investimento [R$]</source>
        <translation>Investment [R$]</translation>
    </message>
    <message>
        <source>dias</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Horas de moagem na safra</source>
        <translation>Crushing hours in the season</translation>
    </message>
    <message>
        <source>Cana moída na safra</source>
        <translation>Cane crushed in the season</translation>
    </message>
    <message>
        <source>Potência nos terminais dos geradores</source>
        <translation>Power at the generator terminals</translation>
    </message>
    <message>
        <source>Potência consumida pela usina</source>
        <translation>Power used by the mill</translation>
    </message>
    <message>
        <source>Energia gerada na safra</source>
        <translation>Energy generated in the season</translation>
    </message>
    <message>
        <source>Energia consumida pela usina na safra</source>
        <translation>Energy used by the mill in the season</translation>
    </message>
    <message>
        <source>Energia exportada na safra</source>
        <translation>Energy exported in the season</translation>
    </message>
    <message>
        <source>Bagaço excedente na safra</source>
        <translation>Surplus bagasse in the season</translation>
    </message>
    <message>
        <source>Receita da energia</source>
        <translation>Energy revenue</translation>
    </message>
    <message>
        <source>Receita do bagaço</source>
        <translation>Bagasse revenue</translation>
    </message>
    <message>
        <source>Receita total da safra</source>
        <translation>Total season revenue</translation>
    </message>
    <message>
        <source>Investimento</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Duração da safra</source>
        <translation>Season length</translation>
    </message>
    <message>
        <source>Aproveitamento do tempo de moagem</source>
        <translation>Crushing time utilisation</translation>
    </message>
    <message>
        <source>Rendimento do gerador</source>
        <translation>Generator efficiency</translation>
    </message>
    <message>
        <source>Consumo elétrico próprio</source>
        <translation>Own electric consumption</translation>
    </message>
    <message>
        <source>Preço da energia exportada</source>
        <translation>Price of exported energy</translation>
    </message>
    <message>
        <source>Preço do bagaço excedente</source>
        <translation>Price of surplus bagasse</translation>
    </message>
    <message>
        <source>Retorno simples do investimento</source>
        <translation>Simple payback of the investment</translation>
    </message>
    <message>
        <source>safras</source>
        <translation>seasons</translation>
    </message>
    <message>
        <source>Keenan, Keyes, Hill e Moore (1969)</source>
        <translation>Keenan, Keyes, Hill and Moore (1969)</translation>
    </message>
    <message>
        <source>Propriedades da água</source>
        <translation>Water properties</translation>
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
    <message>
        <source>Safra</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Propriedades da água: %1</source>
        <translation>Water properties: %1</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Descrição: %1</source>
        <translation>Description: %1</translation>
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
    <message>
        <source>propriedades IAPWS-IF97</source>
        <translation>IAPWS-IF97 properties</translation>
    </message>
    <message>
        <source>Safra</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>&amp;Safra</source>
        <translation>&amp;Season</translation>
    </message>
    <message>
        <source>Comparar &amp;formulações (1969 e IAPWS-IF97)</source>
        <translation>Compare &amp;formulations (1969 and IAPWS-IF97)</translation>
    </message>
    <message>
        <source>&amp;Propriedades da água</source>
        <translation>&amp;Water properties</translation>
    </message>
    <message>
        <source>Keenan, Keyes, Hill e Moore (1969), padrão</source>
        <translation>Keenan, Keyes, Hill and Moore (1969), default</translation>
    </message>
    <message>
        <source>IAPWS-IF97</source>
        <translation>IAPWS-IF97</translation>
    </message>
    <message>
        <source>Resposta da análise aplicada às entradas: clique em &quot;Executar&quot;.</source>
        <translation>Analysis answer applied to the inputs: click &quot;Run&quot;.</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>&amp;Sensibilidade</source>
        <translation>&amp;Sensitivity</translation>
    </message>
    <message>
        <source>Otimização</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>&amp;Otimização e meta</source>
        <translation>&amp;Optimisation and goal seek</translation>
    </message>
    <message>
        <source>Painel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>O painel escolhido em &quot;Componentes&quot;</source>
        <translation>The panel chosen in &quot;Components&quot;</translation>
    </message>
    <message>
        <source>Vistas do cálculo</source>
        <translation>Run views</translation>
    </message>
    <message>
        <source>As vistas do último cálculo: fluxograma, correntes, indicadores, safra, exergia e diagrama T-s</source>
        <translation>The views of the last run: flowsheet, streams, indicators, season, exergy and T-s diagram</translation>
    </message>
    <message>
        <source>Propriedades do caso…</source>
        <translation>Case properties…</translation>
    </message>
    <message>
        <source>%1: use vírgula decimal, por exemplo %2</source>
        <translation>%1: use a decimal comma, for example %2</translation>
    </message>
    <message>
        <source>%1: use ponto decimal, por exemplo %2</source>
        <translation>%1: use a decimal point, for example %2</translation>
    </message>
    <message>
        <source>%1: escreva um número, por exemplo %2</source>
        <translation>%1: type a number, for example %2</translation>
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
    <message>
        <source>Balanços</source>
        <translation>Balances</translation>
    </message>
    <message>
        <source>Balanço</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Resíduo</source>
        <translation>Residual</translation>
    </message>
    <message>
        <source>Relativo [%]</source>
        <translation>Relative [%]</translation>
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
        <source>Total sem a caldeira</source>
        <translation>Total without the boiler</translation>
    </message>
    <message>
        <source>Parcelas sobre a destruição no ciclo de vapor: turbinas, válvula, misturador, processo e bomba, sem a caldeira.</source>
        <translation>Shares of the destruction in the steam cycle: turbines, valve, mixer, process and pump, without the boiler.</translation>
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
    <message>
        <source>Vapor úmido no coletor: título %1 na saída da turbina de alta pressão</source>
        <translation>Wet steam in the header: quality %1 at the high-pressure turbine exhaust</translation>
    </message>
    <message>
        <source>Pressão da caldeira limitada a %1 bar</source>
        <translation>Boiler pressure limited to %1 bar</translation>
    </message>
    <message>
        <source>Temperatura de saída da caldeira limitada a %1 °C</source>
        <translation>Boiler outlet temperature limited to %1 °C</translation>
    </message>
    <message>
        <source>Propriedades do rótulo %1 não convergiram: resultados não confiáveis</source>
        <translation>Properties of label %1 did not converge: results not reliable</translation>
    </message>
    <message>
        <source>Vapor de processo úmido: título %1</source>
        <translation>Wet process steam: quality %1</translation>
    </message>
    <message>
        <source>Escape da turbina de alta pressão com título %1, abaixo de %2</source>
        <translation>High-pressure turbine exhaust at quality %1, below %2</translation>
    </message>
    <message>
        <source>Escape da turbomoenda com título %1, abaixo de %2</source>
        <translation>Mill drive turbine exhaust at quality %1, below %2</translation>
    </message>
    <message>
        <source>Escape da turbina de média pressão com título %1, abaixo de %2</source>
        <translation>Medium-pressure turbine exhaust at quality %1, below %2</translation>
    </message>
    <message>
        <source>Escape da turbina da bomba com título %1, abaixo de %2</source>
        <translation>Pump drive turbine exhaust at quality %1, below %2</translation>
    </message>
    <message>
        <source>Escape da turbina com título %1, abaixo de %2</source>
        <translation>Turbine exhaust at quality %1, below %2</translation>
    </message>
    <message>
        <source>Balanço de energia não fecha: %1 kW</source>
        <translation>Energy balance does not close: %1 kW</translation>
    </message>
    <message>
        <source>A usina importa energia: %1 MWh na safra</source>
        <translation>The mill imports energy: %1 MWh in the season</translation>
    </message>
    <message>
        <source>Falta bagaço: %1 t na safra</source>
        <translation>Bagasse is short: %1 t in the season</translation>
    </message>
    <message>
        <source>bar (abs.)</source>
        <translation>bar (abs.)</translation>
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
        <translation>No comparison: click &quot;Refresh&quot; to calculate the current inputs, and add cases with &quot;Add case…&quot; or &quot;Compare configurations&quot;.</translation>
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
        <translation>Difference to the current case, in % of the current case&apos;s value.</translation>
    </message>
    <message>
        <source>As entradas da janela.</source>
        <translation>The window&apos;s inputs.</translation>
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
        <translation>(none: the cases&apos; inputs are the same)</translation>
    </message>
    <message>
        <source>Ainda não há comparação: clique em &quot;Atualizar&quot; antes de gravar.</source>
        <translation>There is no comparison yet: click &quot;Refresh&quot; before saving.</translation>
    </message>
    <message>
        <source>Exportar comparação de casos</source>
        <translation>Export case comparison</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Comparar formulações</source>
        <translation>Compare formulations</translation>
    </message>
    <message>
        <source>Calcula as entradas atuais também com o outro pacote de propriedades da água (1969 ou IAPWS-IF97) e mostra as diferenças de cada corrente.</source>
        <translation>Runs the current inputs with the other water property package too (1969 or IAPWS-IF97) and shows each stream&apos;s differences.</translation>
    </message>
    <message>
        <source>As entradas atuais com o outro pacote de propriedades.</source>
        <translation>The current inputs with the other property package.</translation>
    </message>
    <message>
        <source>Safra</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Retorno simples do investimento [safras]</source>
        <translation>Simple payback of the investment [seasons]</translation>
    </message>
    <message>
        <source>(Investimento do caso − investimento do caso atual) / (receita do caso − receita do caso atual), em safras.</source>
        <translation>(The case&apos;s investment − the current case&apos;s) / (the case&apos;s revenue − the current case&apos;s), in seasons.</translation>
    </message>
    <message>
        <source>não se paga</source>
        <translation>does not pay back</translation>
    </message>
    <message>
        <source>Correntes</source>
        <translation>Streams</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
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
        <translation>There is no study yet: click &quot;Run study&quot; before saving.</translation>
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
        <translation>No study run: choose the inputs and the outputs and click &quot;Run study&quot;.</translation>
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
    <message>
        <source>&quot;Pontos&quot; de %1: são precisos pelo menos 2 (o início e o fim da faixa), não %2.</source>
        <translation>&quot;Points&quot; of %1: at least 2 are needed (the start and the end of the range), not %2.</translation>
    </message>
    <message>
        <source>O estudo foi cancelado: só %1 de %2 pontos foram calculados. Exportar o estudo parcial?</source>
        <translation>The study was cancelled: only %1 of %2 points were calculated. Export the partial study?</translation>
    </message>
    <message>
        <source>Estudo parcial</source>
        <translation>Partial study</translation>
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
    <message>
        <source>Vazão negativa para a turbina de média pressão (vapor insuficiente): sem barra e fora do total.</source>
        <translation>Negative flow to the medium-pressure turbine (insufficient steam): no bar, and left out of the total.</translation>
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
    <message>
        <source>não físico</source>
        <translation>not physical</translation>
    </message>
    <message>
        <source>Balanços</source>
        <translation>Balances</translation>
    </message>
    <message>
        <source>O que entra menos o que sai, calculado dos estados e vazões do cálculo: perto de zero quando massa e energia se conservam.</source>
        <translation>What goes in less what comes out, worked out from the run&apos;s states and flows: next to zero when mass and energy are conserved.</translation>
    </message>
    <message>
        <source>Balanço</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Resíduo</source>
        <translation>Residual</translation>
    </message>
    <message>
        <source>Relativo [%]</source>
        <translation>Relative [%]</translation>
    </message>
    <message>
        <source>A turbina de média pressão recebe vazão negativa (vapor insuficiente): seus números não descrevem uma máquina e ficam fora do total.</source>
        <translation>The medium-pressure turbine receives a negative flow (insufficient steam): its figures describe no machine and are left out of the total.</translation>
    </message>
</context>
<context>
    <name>VistaOtimizacao</name>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Otimização</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>Otimização: o melhor valor de uma saída</source>
        <translation>Optimisation: the best value of an output</translation>
    </message>
    <message>
        <source>Objetivo:</source>
        <translation>Objective:</translation>
    </message>
    <message>
        <source>Entrada variada</source>
        <translation>Input varied</translation>
    </message>
    <message>
        <source>Mínimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Adicionar restrição</source>
        <translation>Add constraint</translation>
    </message>
    <message>
        <source>Remover restrição</source>
        <translation>Remove constraint</translation>
    </message>
    <message>
        <source>Otimizar</source>
        <translation>Optimise</translation>
    </message>
    <message>
        <source>Restrições:</source>
        <translation>Constraints:</translation>
    </message>
    <message>
        <source>Atingir meta: uma saída num valor</source>
        <translation>Goal seek: an output at a value</translation>
    </message>
    <message>
        <source>Atingir meta</source>
        <translation>Seek goal</translation>
    </message>
    <message>
        <source>Saída:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>Valor:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Variando:</source>
        <translation>Varying:</translation>
    </message>
    <message>
        <source>a</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aplicar à janela</source>
        <translation>Apply to the window</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Maximizar</source>
        <translation>Maximise</translation>
    </message>
    <message>
        <source>Minimizar</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Saída</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Condição</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Limite</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Entradas atuais</source>
        <translation>Current inputs</translation>
    </message>
    <message>
        <source>Resposta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Melhor objetivo viável ao longo das execuções</source>
        <translation>Best feasible objective over the runs</translation>
    </message>
    <message>
        <source>Calculando…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>A otimização não terminou.</source>
        <translation>The optimisation did not finish.</translation>
    </message>
    <message>
        <source>Otimização cancelada: nada foi aplicado.</source>
        <translation>Optimisation cancelled: nothing was applied.</translation>
    </message>
    <message>
        <source>A busca da meta não terminou.</source>
        <translation>The goal seek did not finish.</translation>
    </message>
    <message>
        <source>Busca cancelada: nada foi aplicado.</source>
        <translation>Search cancelled: nothing was applied.</translation>
    </message>
    <message>
        <source>faixa %1 a %2</source>
        <translation>range %1 to %2</translation>
    </message>
    <message>
        <source>objetivo: máximo</source>
        <translation>objective: maximum</translation>
    </message>
    <message>
        <source>objetivo: mínimo</source>
        <translation>objective: minimum</translation>
    </message>
    <message>
        <source>; ativa (o ótimo está no limite)</source>
        <translation>; active (the optimum lies on the limit)</translation>
    </message>
    <message>
        <source>; folgada</source>
        <translation>; slack</translation>
    </message>
    <message>
        <source>; o valor mais próximo do limite que alguma usina das faixas atingiu</source>
        <translation>; the value nearest the limit any plant of the ranges reached</translation>
    </message>
    <message>
        <source>; nenhuma execução foi uma usina</source>
        <translation>; no run was a plant</translation>
    </message>
    <message>
        <source>Ótimo encontrado em %1 execuções (%2 da grade).</source>
        <translation>Optimum found in %1 runs (%2 of the grid).</translation>
    </message>
    <message>
        <source>O vapor da turbina de média pressão está no limite (zero).</source>
        <translation>The steam to the medium-pressure turbine is at its limit (zero).</translation>
    </message>
    <message>
        <source>&quot;Aplicar à janela&quot; põe estas entradas nos campos.</source>
        <translation>&quot;Apply to the window&quot; puts these inputs in the fields.</translation>
    </message>
    <message>
        <source>Inviável: nenhum ponto das faixas atende a todas as restrições e é uma usina (%1 execuções).</source>
        <translation>Infeasible: no point of the ranges meets every constraint and is a plant (%1 runs).</translation>
    </message>
    <message>
        <source>Execuções</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>meta %1</source>
        <translation>target %1</translation>
    </message>
    <message>
        <source>Meta atingida em %1 execuções.</source>
        <translation>Goal reached in %1 runs.</translation>
    </message>
    <message>
        <source>Sem solução na faixa: nenhum valor de %1 entre %2 e %3 leva a saída a %4 (%5 execuções).</source>
        <translation>No solution in the range: no value of %1 between %2 and %3 takes the output to %4 (%5 runs).</translation>
    </message>
    <message>
        <source>Exportar resposta</source>
        <translation>Export answer</translation>
    </message>
</context>
<context>
    <name>VistaSafra</name>
    <message>
        <source>Maior que 0 e no máximo %1 dias</source>
        <translation>Greater than 0 and at most %1 days</translation>
    </message>
    <message>
        <source>Maior que 0 e no máximo 100 %</source>
        <translation>Greater than 0 and at most 100 %</translation>
    </message>
    <message>
        <source>Zero ou maior</source>
        <translation>Zero or more</translation>
    </message>
    <message>
        <source>Safra</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Dados da safra (exemplos de uma usina típica)</source>
        <translation>Season data (examples of a typical mill)</translation>
    </message>
    <message>
        <source>%1
Unidade: %2
Valores aceitos: %3.
O valor inicial é um exemplo de usina brasileira típica.</source>
        <translation>%1
Unit: %2
Accepted values: %3.
The initial value is an example of a typical Brazilian mill.</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unidade</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>VistaSensibilidade</name>
    <message>
        <source>Tabela CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
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
        <source>não usada nesta configuração</source>
        <translation>not used in this configuration</translation>
    </message>
    <message>
        <source>vale 0 no caso base: um passo relativo não a move</source>
        <translation>is 0 in the base case: a relative step does not move it</translation>
    </message>
    <message>
        <source>o valor alto passa do limite de leitura</source>
        <translation>the high value passes the reading limit</translation>
    </message>
    <message>
        <source>Entrada −%1 %</source>
        <translation>Input −%1 %</translation>
    </message>
    <message>
        <source>Entrada +%1 %</source>
        <translation>Input +%1 %</translation>
    </message>
    <message>
        <source>Variação de %1 em relação ao caso base (%2)</source>
        <translation>Change of %1 from the base case (%2)</translation>
    </message>
    <message>
        <source>Sensibilidade: as entradas que mais movem a saída</source>
        <translation>Sensitivity: the inputs that move the output most</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>Saída:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>Passo [%]:</source>
        <translation>Step [%]:</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Exportar gráfico…</source>
        <translation>Export chart…</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Saída com −passo</source>
        <translation>Output at −step</translation>
    </message>
    <message>
        <source>Caso base</source>
        <translation>Base case</translation>
    </message>
    <message>
        <source>Saída com +passo</source>
        <translation>Output at +step</translation>
    </message>
    <message>
        <source>Variação</source>
        <translation>Swing</translation>
    </message>
    <message>
        <source>Por que não varia</source>
        <translation>Why it does not move</translation>
    </message>
    <message>
        <source>%1 execuções; passo de %2 %.</source>
        <translation>%1 runs; step of %2 %.</translation>
    </message>
    <message>
        <source>%1
entrada %2 → %3 → %4
saída %5 → %6 → %7</source>
        <translation>%1
input %2 → %3 → %4
output %5 → %6 → %7</translation>
    </message>
    <message>
        <source>Exportar sensibilidade</source>
        <translation>Export sensitivity</translation>
    </message>
    <message>
        <source>Exportar gráfico de sensibilidade</source>
        <translation>Export sensitivity chart</translation>
    </message>
</context>
</TS>
