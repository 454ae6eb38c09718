// The size of a stored composition before it is loaded.
#include "app/model/CompositionMeasure.h"

#include "app/model/CompositionRows.h"

#include <algorithm>

CompositionMeasure::CompositionMeasure(CompositionRows& rows) : rows(rows) {
}

bool CompositionMeasure::menuFits(int menuId) {
    long occurrences = 0;
    for (const CompositionRows::ShareRow& fillQuantity : rows.fillQuantities(menuId)) {
        occurrences += measure(fillQuantity.kind, 1).occurrences;
        if (exceeds(occurrences, 1)) {
            return false;
        }
    }
    return true;
}

bool CompositionMeasure::occurrenceFits(int ingredientId, int depth) {
    measure(ingredientId, depth);
    return !exceeded;
}

CompositionMeasure::Size CompositionMeasure::measure(int ingredientId, int depth) {
    if (exceeds(0, depth) || std::find(path.begin(), path.end(), ingredientId) != path.end()) {
        return {0, 0};
    }
    const auto known = sizes.find(ingredientId);
    if (known != sizes.end()) {
        exceeds(known->second.occurrences, depth + known->second.height);
        return known->second;
    }
    path.push_back(ingredientId);
    const Size size = measureComponents(ingredientId, depth);
    path.pop_back();
    if (!exceeded) {
        sizes[ingredientId] = size;
    }
    return size;
}

CompositionMeasure::Size CompositionMeasure::measureComponents(int ingredientId, int depth) {
    Size size{1, 0};
    for (const CompositionRows::ShareRow& share : rows.shares(ingredientId)) {
        const Size below = measure(share.kind, depth + 1);
        size.occurrences += below.occurrences;
        size.height = std::max(size.height, below.height + 1);
        if (exceeds(size.occurrences, depth)) {
            break;
        }
    }
    return size;
}

bool CompositionMeasure::exceeds(long occurrences, int depth) {
    exceeded = exceeded || occurrences > maxOccurrences || depth > maxDepth;
    return exceeded;
}
