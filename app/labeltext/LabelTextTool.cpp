// Composing and writing the label texts of menus.

#include "app/labeltext/LabelTextTool.h"

#include "app/labeltext/LabelPicture.h"
#include "app/labeltext/LabelTextArguments.h"
#include "app/labeltext/LabelTexts.h"
#include "app/model/MealComposer.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "lang/JovString.h"
#include "odbcdriver/Cp1252.h"
#include "sql/ResultSet.h"

namespace {

// The menu search for "*" outside setup mode: every menu except the reserved row.
constexpr const char* allMenusQuery = "SELECT * FROM Menues WHERE (Name LIKE '%%%' OR "
                                      "ID LIKE '%%%') AND ID <> 0 ORDER BY ID ASC;";

void write(std::FILE* stream, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

} // namespace

LabelTextTool::LabelTextTool(Connection* connection, std::FILE* out, std::FILE* err)
    : connection(connection), out(out), err(err) {
}

int LabelTextTool::run(const LabelTextArguments& arguments) {
    if (!arguments.getPngPath().empty()) {
        return writePicture(arguments.getMenuIds().front(), arguments.getPngPath());
    }
    const std::vector<int> menuIds = arguments.isAll() ? allMenuIds() : arguments.getMenuIds();
    int exitCode = 0;
    bool written = false;
    for (const int menuId : menuIds) {
        // Readable blocks are set apart by an empty line; JSON lines stand one below the other.
        const char* separator = written && !arguments.isJson() ? "\n" : "";
        if (writeMenu(menuId, arguments.isJson(), separator)) {
            written = true;
            continue;
        }
        report(err, ("Kein Menü mit der Art.-Nr. " + std::to_string(menuId) + ".").c_str());
        exitCode = unknownMenuExit;
    }
    std::fflush(out);
    return exitCode;
}

void LabelTextTool::report(std::FILE* err, const char* message) {
    write(err, "labeltext: " + Cp1252::toUtf8(message) + "\n");
    std::fflush(err);
}

std::vector<int> LabelTextTool::allMenuIds() const {
    std::vector<int> ids;
    ScopedStatement statement(connection);
    ResultSet* rows = statement.executeQuery(allMenusQuery);
    while (rows != nullptr && rows->next()) {
        ids.push_back(rows->getInt("ID"));
    }
    return ids;
}

bool LabelTextTool::writeMenu(int menuId, bool json, const char* separator) {
    return withComposition(menuId, [&](const MealComposer& composer) {
               const LabelTexts texts(menuId, composer);
               write(out, separator + (json ? texts.jsonLine() : texts.readableLines()));
               return true;
           }) != Composition::notFound;
}

int LabelTextTool::writePicture(int menuId, const std::string& path) {
    const Composition result = withComposition(menuId, [&](const MealComposer& composer) {
        return LabelPicture::write(composer, path.c_str());
    });
    if (result == Composition::notFound) {
        report(err, ("Kein Menü mit der Art.-Nr. " + std::to_string(menuId) + ".").c_str());
        return unknownMenuExit;
    }
    if (result == Composition::failed) {
        report(err, ("Die Bilddatei '" + path + "' kann nicht geschrieben werden.").c_str());
        return badArgumentsExit;
    }
    return 0;
}

LabelTextTool::Composition
LabelTextTool::withComposition(int menuId, const std::function<bool(const MealComposer&)>& use) {
    auto* treeRoot = new JovDefaultMutableTreeNode(new JovString("Alle Zutaten"));
    treeRoot->addRef();
    auto* composer = new MealComposer(treeRoot, nullptr, this);
    composer->addRef();
    composer->loadMenu(menuId);
    Composition result = Composition::notFound;
    if (composer->getRoot() != nullptr) {
        composer->compose();
        result = use(*composer) ? Composition::used : Composition::failed;
    }
    composer->release();
    treeRoot->release();
    return result;
}
