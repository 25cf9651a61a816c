#include "ActivityForms.h"

#include "beginninglab.h"
#include "beginningord.h"
#include "sciencelab.h"
#include "scienceord.h"

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
    {"scienceord", load<scienceordForm, scienceord>, ifLoaded<scienceordForm, scienceordIfLoaded>},
    {"beginningord", load<beginningordForm, beginningord>, ifLoaded<beginningordForm, beginningordIfLoaded>},
    {"sciencelab", load<sciencelabForm, sciencelab>, ifLoaded<sciencelabForm, sciencelabIfLoaded>},
    {"beginninglab", load<beginninglabForm, beginninglab>, ifLoaded<beginninglabForm, beginninglabIfLoaded>},
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
