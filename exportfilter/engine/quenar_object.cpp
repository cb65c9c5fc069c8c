// Class records and the registry of the classes a filter file may name.
#include "quenar_object.h"

#include <algorithm>

#include "channel_def.h"
#include "quenar_class.h"
#include "quenar_stream.h"

namespace grafyon::exportfilter {

bool QuenarClassInfo::IsDerivedFrom(const QuenarClassInfo& other) const {
    for (const QuenarClassInfo* info = this; info != nullptr; info = info->base) {
        if (info == &other)
            return true;
    }
    return false;
}

void ClassRegistry::Add(const QuenarClassInfo& info) {
    auto same = std::find_if(m_classes.begin(), m_classes.end(), [&](const QuenarClassInfo* c) {
        return std::string_view(c->name) == info.name;
    });
    if (same != m_classes.end()) {
        *same = &info;
    } else {
        m_classes.push_back(&info);
    }
}

const QuenarClassInfo* ClassRegistry::Find(std::string_view name) const {
    for (const QuenarClassInfo* info : m_classes) {
        if (name == info->name)
            return info;
    }
    return nullptr;
}

const QuenarClassInfo* ClassRegistry::FindStream(int typeCode) const {
    for (const QuenarClassInfo* info : m_classes) {
        if (info->typeCode == typeCode && info->factory != nullptr &&
            info->IsDerivedFrom(CQuenarStream::CLASS_INFO))
            return info;
    }
    return nullptr;
}

void RegisterEngineClasses(ClassRegistry& registry) {
    registry.Add(CQuenarClass::CLASS_INFO);
    registry.Add(CQuenarStream::CLASS_INFO);
    registry.Add(CQuenarChannelDef::CLASS_INFO);
    registry.Add(CQuenarChannelDef1File::CLASS_INFO);
}

}  // namespace grafyon::exportfilter
