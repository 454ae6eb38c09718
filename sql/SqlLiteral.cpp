#include "sql/SqlLiteral.h"

#include "lang/JovStringBuffer.h"

JovString SqlLiteral::quoted(const JovString& text) {
    JovStringBuffer literal;
    literal.append("'");
    int start = 0;
    for (int quote = text.indexOf('\'', 0); quote >= 0; quote = text.indexOf('\'', start)) {
        literal.append(text.substring(start, quote + 1)).append("'");
        start = quote + 1;
    }
    literal.append(text.substring(start)).append("'");
    return literal.toString();
}
