#pragma once

#include <QStringView>

class Activity;

// The four activity screens by their form names, as the hubs' tables name
// them. activityForm() loads the form; both give nullptr for a name that is
// not an activity.
Activity *activityForm(QStringView name);
Activity *activityFormIfLoaded(QStringView name);
