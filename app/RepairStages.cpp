#include "app/RepairStages.h"

#include <cstring>
#include <memory>

#include "app/DirectoryTree.h"
#include "app/RepairJob.h"
#include "app/RepairReader.h"
#include "base/CompositIFilter.h"
#include "base/Exception.h"
#include "base/StringOFlow.h"
#include "base/TextWriter.h"
#include "encoding/ChainOFlow.h"
#include "encoding/EncodingRegistry.h"
#include "file/FileOFlow.h"
#include "file/FileSystem.h"
#include "xml/Document.h"
#include "xml/Element.h"
#include "xml/NamedNodeMap.h"
#include "xml/XMLDecl.h"
#include "xml/XMLOutputter.h"

using namespace ZUM;

namespace {

constexpr char NamePrefix[] = "vorka:";
constexpr u32 NamePrefixLength = sizeof NamePrefix - 1;

// An ASCII literal of the tool as UTF-16.
Utf16String literal(const char* ascii) {
    const Utf8String bytes(ascii);
    Utf16String text;
    convertToUtf16String(Utf8, Utf16N, &bytes, text);
    return text;
}

std::string utf8Of(const Utf16String& text) {
    Utf8String bytes;
    convertFromUtf16String(Utf16N, Utf8N, &text, bytes);
    return std::string(bytes.data(), bytes.length());
}

Node* rootElementOf(Document& document) {
    for (Node* child = document.getFirstChild(); child; child = child->getNextSibling()) {
        if (child->getNodeType() == 1) return child;
    }
    return nullptr;
}

// Whether a meta element's name begins with the prefix, compared as UTF-8 bytes.
// A value shorter than the prefix (in units or in bytes) never matches.
bool hasPrefixedName(Node& meta, const Utf16String& nameAttribute) {
    Node* attribute = meta.getAttributes()->getNamedItem(nameAttribute);
    if (!attribute || attribute->getNodeValue()->length() < NamePrefixLength) return false;
    Utf8String bytes;
    convertFromUtf16String(Utf16, Utf8N, attribute->getNodeValue(), bytes);
    return bytes.length() >= NamePrefixLength &&
           std::memcmp(bytes.data(), NamePrefix, NamePrefixLength) == 0;
}

// Runs `load` with a repair reader whose parse errors go to a log. A read or
// conversion failure, or exhausted memory, is a load failure like any other:
// the book stays as it is.
template <typename Load>
ResultCode loadWith(RepairJob& job, Load load) {
    Utf16String parseLog;
    StringOFlow<u16> logFlow(&parseLog);
    TextWriter<u16> logWriter(&logFlow);
    try {
        RepairReader reader(&logWriter);
        return load(reader);
    } catch (...) {
        job.document = nullptr;
        return NotXml;
    }
}

} // namespace

ResultCode loadStage(RepairJob& job) {
    job.path.terminate();
    std::FILE* probe = FileSystem::open(job.path, "r");
    if (!probe) return CannotOpen;
    std::fclose(probe);
    return loadWith(job, [&](RepairReader& reader) {
        job.document = loadDocument(reader, job.path);
        return job.document ? Repaired : NotXml;
    });
}

ResultCode fetchStage(RepairJob& job) {
    return loadWith(job, [&](RepairReader& reader) {
        XMLParserSrcUnit* unit = reader.openLocation(job.path);
        if (!unit) return CannotOpen;
        job.document = parseDocument(reader, unit);
        return job.document ? Repaired : NotXml;
    });
}

ResultCode stripStage(RepairJob& job) {
    Node* root = job.document ? rootElementOf(*job.document) : nullptr;
    if (!root) return NotAnNcc;
    Element* head = findChildElement(*root, literal("head"));
    if (!head) return NotAnNcc;
    const Utf16String meta = literal("meta");
    const Utf16String name = literal("name");
    for (Node* child = head->getFirstChild(); child;) {
        Node* matching = nullptr;
        if (child->getNodeType() == 1 && *child->getNodeName() == meta &&
            hasPrefixedName(*child, name))
            matching = child;
        child = child->getNextSibling();
        if (matching) {
            job.removedNames.push_back(
                utf8Of(*matching->getAttributes()->getNamedItem(name)->getNodeValue()));
            delete head->removeChild(matching);
        }
    }
    return Repaired;
}

ResultCode backupStage(RepairJob& job) {
    PathString backup(job.path);
    backup.append(literal(".old"));
    backup.terminate();
    const FileSystem::Attributes found = FileSystem::attributesOf(backup);
    if (found.exists && found.directory) {
        if (!removeDirectoryTree(backup)) return CannotDeleteBackupDirectory;
    } else if (found.exists) {
        const FileSystem::Attributes again = FileSystem::attributesOf(backup);
        if (!again.exists || again.directory || !FileSystem::deleteFile(backup))
            return CannotDeleteBackupFile;
    }
    job.path.terminate();
    return FileSystem::rename(job.path, backup) ? Repaired : CannotRename;
}

ResultCode saveStage(RepairJob& job) {
    if (Node* encoding =
            job.document->getXMLDecl()->getAttributes()->getNamedItem(literal("encoding")))
        encoding->setNodeValue(literal("UTF-8"));

    job.path.terminate();
    FileOFlow file(FileSystem::open(job.path, "wb"));
    if (!file.isOpen()) return CannotSave;
    std::unique_ptr<CompositIFilter> chain(createFilterChain(Utf16N, Utf8));
    if (!chain) return CannotSave;
    // The backup holds the original, so the text goes to the file as it is
    // produced, never held whole; a failure on the way is a failed write.
    try {
        ChainOFlow text(chain.get(), &file);
        XMLOutputter out(&text, XMLOutputter::RestoreReferences);
        job.document->output(out);
        text.flush();
    } catch (const IOException&) {
        return CannotWrite;
    }
    // Buffered bytes reach the disk only at close; a failure there is a failed
    // write, not a success.
    return file.close() ? Repaired : CannotWrite;
}
