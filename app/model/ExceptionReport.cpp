// The one line a caught exception leaves on standard output when nobody is to be told.
#include "app/model/ExceptionReport.h"

#include "io/JovPrintWriter.h"
#include "lang/JovException.h"

void ExceptionReport::toStandardOutput(const JovException& exception) {
    JovPrintWriter& out = JovPrintWriter::standardOutput();
    out.println(exception.longText());
    out.flush();
}
