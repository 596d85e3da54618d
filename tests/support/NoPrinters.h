#pragma once

#include <QtGlobal>

// Tests never print on the machine's printers: before anything asks for printers, libcups is
// pointed at a server that does not exist and no default destination is named, so Qt finds no
// printer and every page goes to the PDF file the test chose.
namespace {

void hidePrinters()
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(hidePrinters)
