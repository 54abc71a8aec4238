#include "plant/DadosUsina.h"

DadosUsina dadosUsina;
