// Timing of filling a table of 20,000 rows on the real list view, the way the searches fill the
// ingredient table (rows added silently, marked, announced at once) and the menu table (rows
// announced one by one), each after emptying the table. A Windows program, run under Wine:
//   scripts/wine-run.sh build/windows/benchmarks/tableFillTiming.exe [rows]
#include "awt/JovFrame.h"
#include "awt/JovTable.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/windows/JovProgramStart.h"
#include "awt/windows/JovWImage.h"
#include "lang/JovInteger.h"

#include <chrono>
#include <cstdio>

namespace {

constexpr int defaultRowCount = 20000;
constexpr int markEvery = 7;
constexpr int pictureSide = 16;

// Hands out a fresh picture per row, as items loaded from the database each carry their own.
class PictureRenderer : public JovTableCellRenderer {
public:
    JovString getCellText(JovTable&, JovObject* value, int, int) override {
        return value != nullptr ? value->toString() : JovString();
    }
    JovImage* getCellImage(JovTable&, JovObject*, int, int) override {
        auto* picture = new JovWImage(pictureSide, pictureSide);
        pictures.addElement(picture);
        return picture;
    }
    JovVector pictures;
};

JovVector* rowFor(int id) {
    auto* row = new JovVector();
    row->addElement(JovString("Zutat ") + JovString::valueOf(id));
    row->addElement(JovString::valueOf(id));
    row->addElement("Konservierungsstoff");
    row->addElement("Verkehrsbezeichnung der Zutat");
    return row;
}

void emptyTable(JovVector& rows, JovTable& table, PictureRenderer& renderer) {
    const int old = rows.size();
    rows.removeAllElements();
    table.rowsDeleted(0, old - 1);
    renderer.pictures.removeAllElements();
}

template <typename Fill> void time(const char* what, int rowCount, Fill fill) {
    const auto start = std::chrono::steady_clock::now();
    fill();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%s: %d rows in %lld ms\n", what, rowCount,
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

int fillTables(const JovString* arguments, int count) {
    // The last argument, when it is a number of rows.
    const int asked = count > 0 ? JovInteger::parseInt(arguments[count - 1]) : 0;
    const int rowCount = asked > 0 ? asked : defaultRowCount;
    PictureRenderer renderer;
    JovVector columns;
    for (const char* title : {"Name", "Art.-Nr.", "Klasse", "Verkehrsbezeichnung"}) {
        columns.addElement(title);
    }
    JovVector rows;
    auto* frame = new JovFrame("Tabelle");
    auto* table = new JovTable(rows, columns);
    table->setCellRenderer(&renderer);
    frame->add(table);
    frame->setBounds(20, 20, 800, 600);
    frame->show();
    for (int round = 1; round <= 2; ++round) {
        time("silent rows announced at once", rowCount, [&] {
            emptyTable(rows, *table, renderer);
            for (int id = 1; id <= rowCount; ++id) {
                rows.addElement(rowFor(id));
                table->setChecked(id - 1, id % markEvery == 0);
            }
            table->rowsInserted(0, rows.size() - 1);
        });
        time("rows announced one by one", rowCount, [&] {
            emptyTable(rows, *table, renderer);
            for (int id = 1; id <= rowCount; ++id) {
                rows.addElement(rowFor(id));
                table->rowsInserted(id - 1, id - 1);
            }
        });
    }
    table->setCellRenderer(nullptr);
    frame->dispose();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&fillTables);
}
