// Compiled by the layer tests with the include path of a single library: the
// header named by CABECALHO either compiles or is out of that library's reach.
#include CABECALHO
