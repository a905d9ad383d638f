// A console program that ends at once: what starting any program costs.
int main() {
    return 0;
}
