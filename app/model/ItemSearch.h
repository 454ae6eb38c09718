// The statements of the search bars: a term with "*" and "?" as wildcards, matched against the
// names and article numbers of ingredients or menus, in the order of the numbers.
#pragma once

#include "lang/JovString.h"

class ItemSearch {
public:
    ItemSearch() = delete;

    // The LIKE pattern of a term: "*" and "?" become wildcards, quotes are doubled, and the term
    // may stand anywhere in the text.
    static JovString likePattern(const JovString& term);
    static JovString ingredientQuery(const JovString& term);
    // withScratchMenu: the reserved menu 0 is listed too (setup mode).
    static JovString menuQuery(const JovString& term, bool withScratchMenu);
};
