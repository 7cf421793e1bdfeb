// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the practice: each sum as it is posed,
// the remainder a division asks for, and each verdict. The texts keep the
// translation context "PracticeSession", under which they are translated.
#pragma once

#include "quiz/answercheck.h"
#include "quiz/questiongenerator.h"

#include <QString>

/// The question as a screen reader speaks it: "7 plus 5", or for a division
/// "17 divided by 5, answer and remainder".
QString spokenQuestion(const Question &question);

/// What the remainder box of a division asks for: "remainder of 17 divided by 5".
QString spokenRemainderQuestion(const Question &question);

/// The verdict as a screen reader speaks it: "Right", "Wrong, the answer is
/// 12", or for a division "Wrong, the answer is 3 remainder 2".
QString spokenVerdict(const Verdict &verdict);
