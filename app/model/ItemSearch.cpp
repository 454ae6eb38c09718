// Search statements of the table panels.

#include "app/model/ItemSearch.h"

JovString ItemSearch::likePattern(const JovString& term) {
    JovString pattern("%");
    for (int i = 0; i < term.length(); ++i) {
        const char c = term.charAt(i);
        if (c == '*') {
            pattern += '%';
        } else if (c == '?') {
            pattern += '_';
        } else if (c == '\'') {
            // Doubled, the quote is part of the term instead of ending the literal.
            pattern += "''";
        } else {
            pattern += c;
        }
    }
    return pattern + '%';
}

JovString ItemSearch::ingredientQuery(const JovString& term) {
    const JovString pattern = likePattern(term);
    return "SELECT * FROM Zutaten WHERE Name LIKE '" + pattern + "' OR ID LIKE '" + pattern +
           "' ORDER BY ID ASC;";
}

JovString ItemSearch::menuQuery(const JovString& term, bool withScratchMenu) {
    const JovString pattern = likePattern(term);
    const JovString filter = withScratchMenu ? JovString() : JovString("AND ID <> 0");
    return "SELECT * FROM Menues WHERE (Name LIKE '" + pattern + "' OR ID LIKE '" + pattern +
           "') " + filter + " ORDER BY ID ASC;";
}
