// The messages the user sees when a file cannot be created, written or
// closed, chosen from the operating system's error code.
#pragma once

#include <string>

// "Invalid filename", "Too many open files", "File access denied",
// "Disk full", or "I/O error <codigo>" for any other code.
std::string MensagemErroArquivo(int codigo);
