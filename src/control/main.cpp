// Program entry: start-up, the first dialogue, then the window.
int main() { return 0; }
