#pragma once
// The tag of a control: a free integer kept in the dynamic property "tag"
// (0 when none was set). Port buttons carry their stack-wide port number in
// it; an edit's own change or exit handler sets it to -1 to veto a value.
#include <QObject>
#include <QVariant>

inline constexpr const char* kKvTagProperty = "tag";

inline int KvTag(const QObject* object) {
    return object ? object->property(kKvTagProperty).toInt() : 0;
}

inline void SetKvTag(QObject* object, int tag) {
    if (object) object->setProperty(kKvTagProperty, tag);
}
