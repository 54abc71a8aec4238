// Saving the flowsheet picture as a JPEG file with libjpeg.
#pragma once

#include <QImage>
#include <string>

// Compresses figura (baseline, quality 90, three RGB components) and writes it
// to nomeDigitado + ".jpg", relative to the working directory. Throws
// ErroArquivo ("Cannot create file %s", "JPEG error #%d", ...); a failed save
// leaves no partial file and an existing file intact.
void SalvarFiguraJpeg(const QImage& figura, const std::string& nomeDigitado);
