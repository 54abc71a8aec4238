#include "plant/MensagemErro.h"

std::string MensagemComPonto(const std::string& mensagem) {
    if (mensagem.empty()) return mensagem;
    // Compared as unsigned bytes: the last byte of a multi-byte UTF-8
    // character is above '.', so such a message gets its full stop.
    const auto ultimo = static_cast<unsigned char>(mensagem.back());
    return ultimo > '.' ? mensagem + "." : mensagem;
}
