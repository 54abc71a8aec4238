// The two output panels: the report file (Panel10) and the flowsheet
// picture (Panel13). Each has its own drive chooser and directory list.
#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "ui/janela/DefinicaoJanela.h"

class SeletorDiretorio;
class QWidget;

// Report panel: file name caption and Etxt, "OK" below, the chooser at the
// top right. Sets Panel10, Label95, Label96, Etxt, Button1, DriveComboBox2
// and DirectoryListBox2.
std::unique_ptr<SeletorDiretorio> CriarPainelRelatorio(TFusina& janela,
                                                       const DefinicaoPainel& definicao,
                                                       const std::string& separador,
                                                       QWidget* pai);

// Picture panel: Image1 under the title, the printing buttons at the lower
// left beside the chooser, "Salvar" with its file name along the bottom.
std::unique_ptr<SeletorDiretorio> CriarPainelFigura(TFusina& janela,
                                                    const DefinicaoPainel& definicao,
                                                    const std::string& separador,
                                                    const QImage& figura, QWidget* pai);
