// Resource files: "key=value" lines with "#" comments and a few backslash escapes, looked up by
// language and cached for the whole run.

#include "util/JovResourceBundle.h"

#include "io/JovBufferedReader.h"
#include "io/JovFile.h"
#include "io/JovFileReader.h"
#include "lang/JovFileNotFoundException.h"
#include "util/JovHashtable.h"
#include "util/JovLocale.h"

#include <string>

namespace {

constexpr char commentMark = '#';
constexpr char separator = '=';
constexpr char escapeMark = '\\';
constexpr const char* fileSuffix = ".pro";
// The key of a line that has nothing before its "=".
constexpr const char* emptyKey = "_";

// The control character an escape letter stands for, or -1 for a letter without meaning.
int escapedCharacter(char letter) {
    switch (letter) {
    case '0':
        return '\0';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return -1;
    }
}

// The value with its escapes resolved; an unknown escape drops the backslash and its letter.
JovString unescaped(const JovString& value) {
    std::string resolved;
    for (int i = 0; i < value.length(); ++i) {
        const char c = value.charAt(i);
        if (c != escapeMark) {
            resolved.push_back(c);
            continue;
        }
        const int control = escapedCharacter(value.charAt(++i));
        if (control >= 0) {
            resolved.push_back(static_cast<char>(control));
        }
    }
    return JovString(resolved.data(), 0, static_cast<int>(resolved.size()));
}

void storeLine(const JovString& line, JovHashtable& texts) {
    const int equals = line.indexOf(separator);
    if (line.startsWith(JovString(commentMark)) || equals < 0) {
        return;
    }
    const JovString key = line.substring(0, equals).trim();
    texts.put(key.length() > 0 ? key : JovString(emptyKey), unescaped(line.substring(equals + 1)));
}

JovHashtable* readTexts(const JovString& fileName) {
    JovBufferedReader reader(new JovFileReader(fileName));
    auto* texts = new JovHashtable;
    while (JovString* line = reader.readLine()) {
        storeLine(*line, *texts);
        delete line;
    }
    reader.close();
    return texts;
}

// The first of the files a base name may stand for that exists.
JovString resourceFileOf(const JovString& baseName) {
    const JovString candidates[] = {
        baseName + "_" + JovLocale::getDefault().getLanguage() + fileSuffix,
        baseName + fileSuffix,
        baseName,
    };
    for (const JovString& candidate : candidates) {
        if (JovFile(candidate).exists()) {
            return candidate;
        }
    }
    throw JovFileNotFoundException(baseName);
}

// Bundles by base name; created with the first bundle and kept, with its bundles, to the end of
// the run.
JovHashtable* bundleCache = nullptr;

JovResourceBundle* cachedBundle(const JovString& baseName) {
    if (bundleCache == nullptr) {
        return nullptr;
    }
    return static_cast<JovResourceBundle*>(bundleCache->get(baseName));
}

void keepBundle(const JovString& baseName, JovResourceBundle* bundle) {
    if (bundleCache == nullptr) {
        bundleCache = new JovHashtable;
    }
    bundleCache->put(baseName, bundle);
}

} // namespace

JovResourceBundle::JovResourceBundle(const JovString& fileName) : texts(readTexts(fileName)) {
}

JovResourceBundle::JovResourceBundle(JovHashtable* texts) : texts(texts) {
}

JovResourceBundle::~JovResourceBundle() {
    delete texts;
}

JovResourceBundle* JovResourceBundle::getBundle(const JovString& baseName) {
    if (JovResourceBundle* cached = cachedBundle(baseName)) {
        return cached;
    }
    auto* bundle = new JovResourceBundle(resourceFileOf(baseName));
    keepBundle(baseName, bundle);
    return bundle;
}

JovString JovResourceBundle::getString(const JovString& key) const {
    const JovObject* text = texts->get(key);
    return text != nullptr ? JovString(*text) : key;
}

JovObject* JovResourceBundle::clone() const {
    return new JovResourceBundle(static_cast<JovHashtable*>(texts->clone()));
}

JovString JovResourceBundle::toString() const {
    return "ool.util.JovResourceBundle";
}
