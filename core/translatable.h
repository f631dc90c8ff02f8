#pragma once

// Marks a text the window shows in the user's language: lupdate finds it by
// this name and puts it into the translations (i18n/*.ts); here it stays the
// text itself. The same definition as Qt's own, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
