// Path normalisation and existence test.

#include "io/JovFile.h"

#include "lang/JovPlatform.h"

namespace {

JovString normalised(const JovString& path) {
    const JovString slashed = path.replace('\\', '/');
    if (slashed.endsWith("/")) {
        return slashed.substring(0, slashed.length() - 1);
    }
    return slashed;
}

// A root slash of either kind or a drive letter ("D:") makes a path absolute; tested before the
// trailing slash goes, so "/" itself is absolute.
bool startsAbsolute(const JovString& pathText) {
    const char first = pathText.charAt(0);
    return first == '/' || first == '\\' || pathText.charAt(1) == ':';
}

unsigned int attributesOf(const JovString& path) {
    if (path.length() == 0) {
        return JovPlatform::missingFileAttributes;
    }
    return JovPlatform::fileAttributes(path.chars());
}

} // namespace

// The attributes are read with the path as given, before normalisation.
JovFile::JovFile(const JovString& pathText)
    : path(normalised(pathText)), absolute(startsAbsolute(pathText)),
      attributes(attributesOf(pathText)) {
}

JovString JovFile::getPath() const {
    return path;
}

bool JovFile::exists() const {
    return attributes != JovPlatform::missingFileAttributes;
}

bool JovFile::isAbsolute() const {
    return absolute;
}

int JovFile::compareTo(const JovObject& other) const {
    return path.compareTo(other);
}

bool JovFile::equals(const JovObject* other) const {
    const auto* file = dynamic_cast<const JovFile*>(other);
    return file != nullptr && file->path == path;
}

JovObject* JovFile::clone() const {
    return new JovFile(*this);
}

JovString JovFile::toString() const {
    return path;
}
