// An in-memory holder of named text fields, for the command-line tool and the
// tests. It starts with every input field at its default text.
#pragma once
