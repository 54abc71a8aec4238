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
    <name>Mensagens</name>
    <message>
        <source>Valor impossível em &quot;%1&quot;: %2. %3.</source>
        <translation>Impossible value in "%1": %2. %3.</translation>
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
        <translation>Must be lower than the boiler's operating pressure, %1 bar</translation>
    </message>
    <message>
        <source>Deve ser menor que a pressão de saída na turbina de alta pressão, %1 bar</source>
        <translation>Must be lower than the high-pressure turbine's outlet pressure, %1 bar</translation>
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
        <translation>the key "formato" with the value "%1" is missing: it does not look like a usina case</translation>
    </message>
    <message>
        <source>&quot;formato&quot; deve ser &quot;%1&quot;, não %2</source>
        <translation>"formato" must be "%1", not %2</translation>
    </message>
    <message>
        <source>falta a chave &quot;versao&quot;</source>
        <translation>the key "versao" is missing</translation>
    </message>
    <message>
        <source>&quot;versao&quot; deve ser um número, não %1</source>
        <translation>"versao" must be a number, not %1</translation>
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
        <translation>the key "com_turbina_alta" (true or false) is missing</translation>
    </message>
    <message>
        <source>&quot;com_turbina_alta&quot; deve ser true ou false, não %1</source>
        <translation>"com_turbina_alta" must be true or false, not %1</translation>
    </message>
    <message>
        <source>&quot;descricao&quot; deve ser um texto, não %1</source>
        <translation>"descricao" must be a text, not %1</translation>
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
