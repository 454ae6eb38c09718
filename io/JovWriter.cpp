// Whole-string writing in terms of the range form.

#include "io/JovWriter.h"

void JovWriter::write(const JovString& text) {
    write(text.chars(), 0, text.length());
}
