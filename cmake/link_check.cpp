// A program of one layer library, whole, and the libraries it may use: it links
// only when nothing in the library needs a folder above it.
int main() {
    return 0;
}
