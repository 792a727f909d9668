#include <QApplication>
#include <QLocale>

#include "documents/image_pixel_size.h"
#include "fileinfo/image_info.h"
#include "foundation/number_format.h"
#include "foundation/program_args.h"
#include "foundation/qt/qt_strings.h"
#include "text/program_texts.h"
#include "wordgen/gui/prog.h"

int main(int argc, char** argv) {
  CaptureProgramArguments(argc, argv);
  QApplication app(argc, argv);
  // Percentages and the CSV defaults follow the system's decimal separator.
  NumberFormat format;
  format.DecimalSeparator = FromQString(QLocale::system().decimalPoint());
  format.ThousandsSeparator = FromQString(QLocale::system().groupSeparator());
  SetGlobalNumberFormat(format);
  // The program texts join the store before its first fill.
  InitSprResLocal();
  // Pictures in DOCX documents are sized by the file-information readers.
  SetImagePixelSizeReader([](const std::string& fileName) {
    TImagePixelSize size;
    if (!ReadImagePixelSize(fileName, size.Width, size.Height)) size = {};
    return size;
  });

  Tprog window;
  if (window.SP().ApplicationShowMainForm && !window.SP().InstanceWillBeClosed) window.show();
  return app.exec();
}
