// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The messages of the check made before a new question (OptionValues::check).
#pragma once

#include <QString>

/// Titles and texts of the two messages of the check, in the user's language
/// and their numbers in the pupil's digits.
namespace OptionMessages {
QString noSelectionTitle();
QString noSelectionText();
QString invalidEntryTitle();
QString invalidEntryText();
} // namespace OptionMessages
