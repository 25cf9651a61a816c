#include "ActivityForms.h"

#include "BeginningLabelling.h"
#include "BeginningOrdering.h"
#include "ScienceLabelling.h"
#include "ScienceOrdering.h"

namespace {

struct Entry {
    const char *name;
    Activity &(*form)();
    Activity *(*ifLoaded)();
};

template <class T, T &(*Accessor)()> Activity &load()
{
    return Accessor();
}

template <class T, T *(*Accessor)()> Activity *ifLoaded()
{
    return Accessor();
}

const Entry kActivities[] = {
    {"ScienceOrdering", load<ScienceOrdering, scienceOrdering>, ifLoaded<ScienceOrdering, scienceOrderingIfLoaded>},
    {"BeginningOrdering", load<BeginningOrdering, beginningOrdering>,
     ifLoaded<BeginningOrdering, beginningOrderingIfLoaded>},
    {"ScienceLabelling", load<ScienceLabelling, scienceLabelling>,
     ifLoaded<ScienceLabelling, scienceLabellingIfLoaded>},
    {"BeginningLabelling", load<BeginningLabelling, beginningLabelling>,
     ifLoaded<BeginningLabelling, beginningLabellingIfLoaded>},
};

const Entry *find(QStringView name)
{
    for (const Entry &entry : kActivities) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

} // namespace

Activity *activityForm(QStringView name)
{
    const Entry *entry = find(name);
    return entry ? &entry->form() : nullptr;
}

Activity *activityFormIfLoaded(QStringView name)
{
    const Entry *entry = find(name);
    return entry ? entry->ifLoaded() : nullptr;
}
