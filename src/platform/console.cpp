// Console layer: formatted output with encoding conversion, key and number input.
