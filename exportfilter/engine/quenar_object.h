// Serialisable objects of the filter files, their class records and the registry that
// creates them by class name.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace grafyon::exportfilter {

class ArchiveReader;
class ArchiveWriter;
class CQuenarObject;

using QuenarFactory = std::unique_ptr<CQuenarObject> (*)();

// What a class record in a file names: the class, its schema, and how to make one.
struct QuenarClassInfo {
    const char* name;
    std::uint16_t schema;        // written with every new class record
    std::uint16_t oldestSchema;  // the oldest schema still read
    const QuenarClassInfo* base;
    QuenarFactory factory;  // null: the class cannot be created from a file
    int typeCode = 0;       // stream classes: the filter type they stand for

    bool IsDerivedFrom(const QuenarClassInfo& other) const;
};

class CQuenarObject {
public:
    virtual ~CQuenarObject() = default;
    virtual const QuenarClassInfo& GetRuntimeClass() const = 0;
    virtual void Store(ArchiveWriter& ar) const = 0;
    // Reads the fields; a failure is left in the archive's error state.
    virtual void Load(ArchiveReader& ar) = 0;
};

// The classes a file may name. The engine registers its own; each format adds its stream
// and channel-definition classes.
class ClassRegistry {
public:
    // A class of the same name is replaced.
    void Add(const QuenarClassInfo& info);
    const QuenarClassInfo* Find(std::string_view name) const;
    // The creatable stream class of a filter type, or null.
    const QuenarClassInfo* FindStream(int typeCode) const;

private:
    std::vector<const QuenarClassInfo*> m_classes;
};

// CQuenarClass, CQuenarStream, CQuenarChannelDef and CQuenarChannelDef1File.
void RegisterEngineClasses(ClassRegistry& registry);

// Creates an object of a creatable class as the given type; null otherwise.
template <class T>
std::unique_ptr<T> CreateAs(const QuenarClassInfo& info) {
    if (info.factory == nullptr)
        return nullptr;
    std::unique_ptr<CQuenarObject> object = info.factory();
    if (auto* typed = dynamic_cast<T*>(object.get())) {
        object.release();
        return std::unique_ptr<T>(typed);
    }
    return nullptr;
}

}  // namespace grafyon::exportfilter
