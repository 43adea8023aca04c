// Request dispatch: every result window is opened here, by a typed request
// of its family. The views reach it through their list's host.
#pragma once

#include <vector>

#include "dialog_text.h"
#include "comparison_view.h"
#include "view.h"

namespace hoshikura {

// The explanation (kind 1) or a method view (kinds 2 to 5) of a person.
// False when the kind is none of these or the window could not be created.
bool OpenPersonView(ViewKind kind, const char* surname, const char* givenName);

// The judgement of a person. Once its window is open the name is offered
// to the best and worst lists and recorded among the recent people; a
// window that fails to open records nothing.
bool OpenJudgement(const char* surname, const char* givenName);

// Splits a typed line into surname and given name (telling a refusal) and
// opens its judgement; false when refused or not opened.
bool JudgeFullName(const char* text);

// A search result window.
bool OpenSearchView(const SearchRequest& request);

// The best and worst, version, features or comparison view: at most one
// each. A second request while one is open opens nothing and returns false;
// an open comparison is brought to the front.
bool OpenSingleView(ViewKind kind);

// Puts a person on the candidate list, saves the lists and shows the open
// comparison anew; a person already listed, or a full list, is told.
void AddCandidate(const char* surname, const char* givenName);
// Takes the candidates at these positions (highest first) off, saves the
// lists and shows the open comparison anew.
void RemoveCandidates(const std::vector<int>& entries);
// Adds the person of the active judgement window; says what to do when the
// active window is no judgement.
void AddActiveJudgementAsCandidate();
// The stored candidates, in the order they were added.
CandidateNames StoredCandidateNames();

// Records a judged person in the recent-people list and its menu.
void RememberPerson(const char* surname, const char* givenName);

}  // namespace hoshikura
