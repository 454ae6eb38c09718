// The one line a caught exception leaves on standard output when nobody is to be told.
#pragma once

class JovException;

class ExceptionReport {
public:
    ExceptionReport() = delete;

    // Writes the exception's long text (run-time class name, ": ", message) and flushes.
    static void toStandardOutput(const JovException& exception);
};
