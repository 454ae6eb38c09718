// Timings of loading a menu's composition and composing its label texts: the largest menu of the
// sample database, a generated menu of 500 occurrences nested four levels deep, and flat menus of
// many distinct ingredients (where a search per occurrence grows with the square).
//
// Run from the project folder with a build tree's data sources, after its tests have prepared
// them (the generated menu is written into that tree's test database):
//   ODBCSYSINI=build/native/odbc build/native/benchmarks/compositionBenchmark
// scripts/benchmark.sh builds it in Release beside the previous design's and runs both.
#include "app/model/ConnectionOwner.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "app/model/Menu.h"
#include "app/model/ScopedStatement.h"
#include "app/model/ScopedTransaction.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "lang/JovException.h"
#include "lang/JovPlatform.h"
#include "sql/DriverManager.h"
#include "sql/ResultSet.h"

#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr const char* sampleDataSource = "meals";
constexpr const char* generatedDataSource = "meals_test";
constexpr const char* allMenusQuery = "SELECT * FROM Menues WHERE (Name LIKE '%%%' OR "
                                      "ID LIKE '%%%') AND ID <> 0 ORDER BY ID ASC;";

// The generated menu: 5 composed ingredients, each of 5 composed ones, each of 4 composed ones,
// each of 3 or 4 of a pool of plain ingredients: 5 + 25 + 100 + 370 = 500 occurrences.
constexpr int generatedMenuId = 900;
constexpr int branching[] = {5, 5, 4};
constexpr int leafPoolSize = 40;
constexpr int firstLeafId = 1;
constexpr int firstComposedId = 1000;
constexpr int fillQuantity = 120;
constexpr int lastLevelNodesWithFourLeaves = 70;
// Flat menus: one Mengen row per distinct plain ingredient, every seventh sharing the label Salz.
constexpr int flatMenuSizes[] = {51, 401, 1601};
constexpr int firstFlatMenuId = 910;
constexpr int firstFlatLeafId = 10000;

class FixedConnection : public ConnectionOwner {
public:
    explicit FixedConnection(Connection* connection) : connection(connection) {}
    Connection* getConnection() const override { return connection; }

private:
    Connection* connection;
};

// One loaded composition, kept for the timings of compose.
class LoadedMenu {
public:
    LoadedMenu(Connection* connection, int menuId)
        : owner(connection), treeRoot(new JovDefaultMutableTreeNode),
          composer(new MealComposer(treeRoot, nullptr, &owner)) {
        treeRoot->addRef();
        composer->addRef();
        composer->loadMenu(menuId);
    }
    ~LoadedMenu() {
        composer->release();
        treeRoot->release();
    }
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;

    MealComposer& get() const { return *composer; }
    int occurrenceCount() const { return countBelow(composer->getRoot()); }

private:
    static int countBelow(const JovDefaultMutableTreeNode* node) {
        int count = 0;
        for (int i = 0; node != nullptr && i < node->getChildCount(); ++i) {
            count += 1 + countBelow(node->getChildAt(i));
        }
        return count;
    }

    FixedConnection owner;
    JovDefaultMutableTreeNode* treeRoot;
    MealComposer* composer;
};

void update(Connection* connection, const std::string& sql) {
    ScopedStatement::update(connection, sql.c_str());
}

std::string leafRow(int id) {
    const std::string name = "Zutat " + std::to_string(id);
    // Every fifth is an additive, two classes of them; every seventh shares its label with another.
    const std::string salesName = id % 7 == 0 ? "'Salz'" : "NULL";
    const char* classes[] = {"NULL", "'Verdickungsmittel'", "'Konservierungsstoff'", "'Süßstoff'",
                             "'Zucker'"};
    const char* additiveClass = id % 5 == 0 ? classes[id / 5 % 5] : "NULL";
    return "INSERT INTO Zutaten (ID,Name,Verkehrsbezeichnung,Klasse,weiblich,Plural,"
           "kennzPflichtig,Fleischanteil,fleischanteilAngeben) VALUES (" +
           std::to_string(id) + ",'" + name + "'," + salesName + "," + additiveClass + "," +
           std::to_string(id % 2) + "," + std::to_string(id % 3 == 0) + ",0," +
           (id % 11 == 0 ? "0.5,1" : "0,0") + ");";
}

// Writes one composed ingredient of the given level with its shares, and those below it.
void writeComposed(Connection* connection, int id, int level, int& lastLevelCount, int& nextId) {
    update(connection, "INSERT INTO Zutaten (ID,Name,weiblich,kennzPflichtig) VALUES (" +
                           std::to_string(id) + ",'Komponente " + std::to_string(id) + "'," +
                           std::to_string(id % 2) + "," + std::to_string(id % 3 == 0) + ");");
    const bool lastLevel = level == static_cast<int>(std::size(branching));
    const int children =
        lastLevel ? (lastLevelCount++ < lastLevelNodesWithFourLeaves ? 4 : 3) : branching[level];
    for (int child = 0; child < children; ++child) {
        int childId = 0;
        if (lastLevel) {
            childId = firstLeafId + (id * 7 + child * 11) % leafPoolSize;
        } else {
            childId = nextId++;
            writeComposed(connection, childId, level + 1, lastLevelCount, nextId);
        }
        const double share = 1.0 / (children + child);
        const int flags = (id + child) % 4;
        update(connection,
               "INSERT INTO Anteile (Eltern,Kind,Anteil,mengeAngeben,imTitel,wertgebend,"
               "mengeAufMenueBeziehen,veraenderlicheAnteile) VALUES (" +
                   std::to_string(id) + "," + std::to_string(childId) + "," +
                   JovString().format("%.6f", share).replace(',', '.').chars() + ",1," +
                   std::to_string(flags == 1) + "," + std::to_string(flags >= 2) + "," +
                   std::to_string(flags == 3) + "," + std::to_string(child == 0 && level == 2) +
                   ");");
    }
}

void writeGeneratedMenu(Connection* connection) {
    for (const char* table : {"Zutaten", "Menues", "Anteile", "Mengen"}) {
        update(connection, std::string("DELETE * FROM ") + table + ";");
    }
    for (int id = firstLeafId; id < firstLeafId + leafPoolSize; ++id) {
        update(connection, leafRow(id));
    }
    update(connection, "INSERT INTO Menues (ID,Name) VALUES (" + std::to_string(generatedMenuId) +
                           ",'Generiertes Menü');");
    int nextId = firstComposedId;
    int lastLevelCount = 0;
    for (int i = 0; i < branching[0]; ++i) {
        const int id = nextId++;
        writeComposed(connection, id, 1, lastLevelCount, nextId);
        update(connection, "INSERT INTO Mengen (Eltern,Kind,Fuellmenge,mengeAngeben,imTitel,"
                           "wertgebend,veraenderlicheAnteile) VALUES (" +
                               std::to_string(generatedMenuId) + "," + std::to_string(id) + "," +
                               std::to_string(fillQuantity - i) + ",1," + std::to_string(i < 2) +
                               "," + std::to_string(i == 0) + ",0);");
    }
}

// Menu firstFlatMenuId + i holds the first flatMenuSizes[i] flat ingredients, of 1 to 500 g.
void writeFlatMenus(Connection* connection) {
    const int largest = flatMenuSizes[std::size(flatMenuSizes) - 1];
    for (int i = 0; i < largest; ++i) {
        update(connection, leafRow(firstFlatLeafId + i));
    }
    for (std::size_t menu = 0; menu < std::size(flatMenuSizes); ++menu) {
        const std::string menuId = std::to_string(firstFlatMenuId + static_cast<int>(menu));
        update(connection, "INSERT INTO Menues (ID,Name) VALUES (" + menuId + ",'Flach');");
        for (int i = 0; i < flatMenuSizes[menu]; ++i) {
            update(connection, "INSERT INTO Mengen (Eltern,Kind,Fuellmenge,mengeAngeben,imTitel,"
                               "wertgebend,veraenderlicheAnteile) VALUES (" +
                                   menuId + "," + std::to_string(firstFlatLeafId + i) + "," +
                                   std::to_string(1 + i * 37 % 500) + ",1," +
                                   std::to_string(i % 97 == 0) + "," + std::to_string(i % 13 == 0) +
                                   ",0);");
        }
    }
}

int largestSampleMenu(Connection* connection) {
    std::vector<int> ids;
    {
        ScopedStatement statement(connection);
        ResultSet* rows = statement.executeQuery(allMenusQuery);
        while (rows != nullptr && rows->next()) {
            ids.push_back(rows->getInt("ID"));
        }
    }
    int largest = 0;
    int largestCount = -1;
    for (int id : ids) {
        const int count = LoadedMenu(connection, id).occurrenceCount();
        if (count > largestCount) {
            largest = id;
            largestCount = count;
        }
    }
    return largest;
}

void composeAndStore(benchmark::State& state, Connection* connection, int menuId) {
    const LoadedMenu menu(connection, menuId);
    for (auto _ : state) {
        menu.get().compose();
    }
    state.counters["occurrences"] = menu.occurrenceCount();
}

// The reserved ID keeps compose from storing the designation: the composition alone.
void composeInMemory(benchmark::State& state, Connection* connection, int menuId) {
    const LoadedMenu menu(connection, menuId);
    menu.get().getMenu()->setId(Menu::reservedId);
    for (auto _ : state) {
        menu.get().compose();
        benchmark::DoNotOptimize(menu.get().getIngredientList());
    }
    state.counters["occurrences"] = menu.occurrenceCount();
}

void load(benchmark::State& state, Connection* connection, int menuId) {
    int count = 0;
    for (auto _ : state) {
        count = LoadedMenu(connection, menuId).occurrenceCount();
    }
    state.counters["occurrences"] = count;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, JovPlatform::germanLocaleName());
    benchmark::Initialize(&argc, argv);
    try {
        Connection* sample = DriverManager::getConnection(sampleDataSource, "", "");
        Connection* generated = DriverManager::getConnection(generatedDataSource, "", "");
        {
            ScopedTransaction transaction(generated);
            writeGeneratedMenu(generated);
            writeFlatMenus(generated);
            transaction.commit();
        }
        const int largest = largestSampleMenu(sample);
        const std::string sampleName = "/sample" + std::to_string(largest);
        benchmark::RegisterBenchmark(("compose" + sampleName).c_str(), composeAndStore, sample,
                                     largest);
        benchmark::RegisterBenchmark(("composeInMemory" + sampleName).c_str(), composeInMemory,
                                     sample, largest);
        benchmark::RegisterBenchmark("compose/generated500", composeAndStore, generated,
                                     generatedMenuId);
        benchmark::RegisterBenchmark("composeInMemory/generated500", composeInMemory, generated,
                                     generatedMenuId);
        benchmark::RegisterBenchmark("load/generated500", load, generated, generatedMenuId);
        for (std::size_t menu = 0; menu < std::size(flatMenuSizes); ++menu) {
            const std::string size = std::to_string(flatMenuSizes[menu]);
            const int menuId = firstFlatMenuId + static_cast<int>(menu);
            benchmark::RegisterBenchmark(("composeInMemory/flat" + size).c_str(), composeInMemory,
                                         generated, menuId);
            benchmark::RegisterBenchmark(("load/flat" + size).c_str(), load, generated, menuId);
        }
    } catch (const JovException& exception) {
        std::fprintf(stderr,
                     "No database: %s (set ODBCSYSINI to a build tree's "
                     "registration)\n",
                     exception.longText().chars());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
