#include "app/RepairStages.h"

#include <cstring>
#include <memory>

#include "app/CharsetLabels.h"
#include "app/DirectoryTree.h"
#include "app/RepairJob.h"
#include "app/RepairReader.h"
#include "app/TextForm.h"
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

Utf16String literal(const char* ascii) {
    return TextForm::wide(ascii);
}

Node* rootElementOf(Document& document) {
    for (Node* child = document.getFirstChild(); child; child = child->getNextSibling()) {
        if (child->getNodeType() == 1) return child;
    }
    return nullptr;
}

// Whether a meta element's name begins with one of the prefixes, compared as
// UTF-8 bytes. A missing name is empty and never matches.
bool hasPrefixedName(Node& meta, const Utf16String& nameAttribute,
                     const std::vector<std::string>& prefixes) {
    Node* attribute = meta.getAttributes()->getNamedItem(nameAttribute);
    if (!attribute) return false;
    Utf8String bytes;
    convertFromUtf16String(Utf16, Utf8N, attribute->getNodeValue(), bytes);
    for (const std::string& prefix : prefixes) {
        if (!prefix.empty() && bytes.length() >= prefix.size() &&
            std::memcmp(bytes.data(), prefix.data(), prefix.size()) == 0)
            return true;
    }
    return false;
}

// The head element directly under the document's root element, or null.
Element* headOf(Document* document) {
    Node* root = document ? rootElementOf(*document) : nullptr;
    return root ? findChildElement(*root, literal("head")) : nullptr;
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
    Element* head = headOf(job.document);
    if (!head) return NotAnNcc;
    const Utf16String meta = literal("meta");
    const Utf16String name = literal("name");
    for (Node* child = head->getFirstChild(); child;) {
        Node* matching = nullptr;
        if (child->getNodeType() == 1 && *child->getNodeName() == meta &&
            hasPrefixedName(*child, name, job.namePrefixes))
            matching = child;
        child = child->getNextSibling();
        if (matching) {
            job.removedNames.push_back(
                TextForm::utf8(*matching->getAttributes()->getNamedItem(name)->getNodeValue()));
            delete head->removeChild(matching);
        }
    }
    return Repaired;
}

ResultCode relabelStage(RepairJob& job) {
    Element* head = headOf(job.document);
    if (!head) return NotAnNcc;
    CharsetLabels::sayUtf8(*head);
    return Repaired;
}

ResultCode backupStage(RepairJob& job) {
    PathString backup = RepairJob::backupPathOf(job.path);
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
    const ResultCode code = writeStage(job);
    return code == Repaired ? flushStage(job) : code;
}

ResultCode writeStage(RepairJob& job) {
    if (Node* encoding =
            job.document->getXMLDecl()->getAttributes()->getNamedItem(literal("encoding")))
        encoding->setNodeValue(literal("UTF-8"));

    // The new file takes the original's permissions (now at ".old"), so a
    // private book stays private.
    job.path.terminate();
    job.saved.emplace(FileSystem::createLike(job.path, RepairJob::backupPathOf(job.path)));
    if (!job.saved->isOpen()) return CannotSave;
    std::unique_ptr<CompositIFilter> chain(createFilterChain(Utf16N, Utf8));
    if (!chain) return CannotSave;
    // The backup holds the original, so the text goes to the file as it is
    // produced, never held whole; a failure on the way is a failed write.
    try {
        ChainOFlow text(chain.get(), &*job.saved);
        XMLOutputter out(&text, XMLOutputter::RestoreReferences);
        job.document->output(out);
        text.flush();
    } catch (const IOException&) {
        return CannotWrite;
    }
    return Repaired;
}

// Success is reported only once the file and its name are on the disk, so
// that a crash right after it cannot leave an empty book.
ResultCode flushStage(RepairJob& job) {
    if (!job.saved) return CannotWrite;
    const bool synced = job.saved->sync();
    const bool closed = job.saved->close();
    job.saved.reset();
    if (!synced || !closed) return CannotWrite;
    return FileSystem::syncDirectoryOf(job.path) ? Repaired : CannotWrite;
}
