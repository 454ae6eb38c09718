// The command line of the label text tool: which menus, and whether as JSON.
#pragma once

#include <string>
#include <vector>

class LabelTextArguments {
public:
    static constexpr const char* usage =
        "Aufruf: labeltext [--json] (--all | ID...) | labeltext --png DATEI ID";

    // Reads the arguments after the program name; isValid() tells whether they can be used.
    LabelTextArguments(int count, const char* const* arguments);

    bool isValid() const { return error.empty(); }
    // Why the arguments cannot be used, in German, without the usage line.
    const std::string& getError() const { return error; }
    bool isJson() const { return json; }
    // Every menu except the reserved row 0.
    bool isAll() const { return all; }
    // The article numbers asked for, in the order given.
    const std::vector<int>& getMenuIds() const { return menuIds; }
    // The label picture file asked for with --png, or empty.
    const std::string& getPngPath() const { return pngPath; }

private:
    void read(const std::string& argument);
    // --png takes the next argument as its file and one menu alone.
    void checkPng();
    static bool parseId(const std::string& text, int& id);

    bool json = false;
    bool all = false;
    std::vector<int> menuIds;
    std::string pngPath;
    bool pngAsked = false;
    std::string error;
};
