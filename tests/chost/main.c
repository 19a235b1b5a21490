/* Runs every family's C checks against the public headers and both libraries. */
#include "chost.h"
#include "chost_parts.h"

int main(void)
{
    int failures = 0;
    for (const struct chost_part *p = chost_parts; p->name; p++) {
        int f = p->run();
        printf("%s: %s\n", p->name, f ? "failed" : "ok");
        failures += f;
    }
    printf("chost: %d failure(s)\n", failures);
    return failures ? 1 : 0;
}
