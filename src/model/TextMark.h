#pragma once

// Marks a text of a table in the model as one a person reads: it stays the
// UTF-16 literal the table stores (the source-language text), and the
// translation tools list it under `context`. Shown through text::translate()
// with the same context.
#define AISSET_TEXT(context, text) u"" text
