// Request dispatch: every result window is opened through OpenView;
// JudgeFullName is the road from one typed line to a judgement window. The
// views reach both through their list's host, never by name.
#pragma once

namespace hoshikura {

// Builds, fills and creates the view of `kind` and lists it. Returns 0 when
// a text is shorter than two bytes or the view could not be built or
// created (nothing is then open), 1 otherwise, also for kinds without a view.
int OpenView(const char* first, const char* second, int kind);

// Splits the line into surname and given name and opens its judgement.
// Returns 1 when the judgement window opened, 0 when the line was refused
// or the window could not be created; only an opened judgement is recorded
// among the recent people.
int JudgeFullName(const char* text);

// Records a judged person in the recent-people list and its menu.
void RememberPerson(const char* surname, const char* givenName);

}  // namespace hoshikura
