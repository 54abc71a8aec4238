// The text of an error as the user sees it, in the window's message box and
// on the command-line tool's standard error.
#pragma once

#include <string>

// Appends a full stop unless the message is empty or its last character is a
// full stop or sorts before one (space, punctuation such as '!' or ',').
std::string MensagemComPonto(const std::string& mensagem);
