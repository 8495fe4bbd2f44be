// The console dialogue.
