// The walk down the stored compositions: every ingredient met is expanded once.

#include "app/model/CompositionReach.h"

#include "app/model/CompositionRows.h"

#include <algorithm>
#include <unordered_set>

bool CompositionReach::reachesAny(CompositionRows& rows, int ingredientId,
                                  const std::vector<int>& ids) {
    std::unordered_set<int> visited{ingredientId};
    std::vector<int> pending{ingredientId};
    while (!pending.empty()) {
        const int parent = pending.back();
        pending.pop_back();
        for (const CompositionRows::ShareRow& row : rows.shares(parent)) {
            if (!row.hasKind) {
                continue;
            }
            if (std::find(ids.begin(), ids.end(), row.kind) != ids.end()) {
                return true;
            }
            if (visited.insert(row.kind).second) {
                pending.push_back(row.kind);
            }
        }
    }
    return false;
}
