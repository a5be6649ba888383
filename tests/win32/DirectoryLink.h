#pragma once

#include <string>

// A link to a directory for the tests: a junction, made as Windows makes one
// (FSCTL_SET_REPARSE_POINT). wine 8 cannot make reparse points; there the
// link is the Unix symbolic link that wine shows as a directory's reparse
// point, made and removed by the Unix tools, since wine's own calls can
// neither make nor remove one. Paths are UTF-8; the link goes with the object.
class DirectoryLink {
public:
    DirectoryLink(const std::string& link, const std::string& target);
    ~DirectoryLink();
    DirectoryLink(const DirectoryLink&) = delete;
    DirectoryLink& operator=(const DirectoryLink&) = delete;

    bool made() const { return kind != None; }
    // A junction can be removed as itself; wine's Unix link cannot.
    bool removableAsItself() const { return kind == Junction; }

private:
    enum Kind { None, Junction, UnixLink };
    std::wstring link;
    Kind kind = None;
};
