/* Runs two programs alternately and reports, for each, the median time from fork to the
 * reaped exit and the median peak resident set size (from wait4), then their ratios. The
 * median processor time of the program itself (user and system, from wait4) is shown too: on a
 * busy machine it tells the program's own cost from time spent waiting for the processor.
 *   timer RUNS WARMUPS NAME1 PROGRAM1 NAME2 PROGRAM2
 * Warm-up runs are not counted. Any run that does not exit with code 0 fails the whole. */
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static double tv_ms(struct timeval t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

/* One run: elapsed and processor milliseconds and peak RSS in KiB; 0 on success. */
static int run_once(const char* path, double* ms, double* cpuMs, long* rssKiB) {
    const double start = now_ms();
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        execl(path, path, (char*)NULL);
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) != pid) return -1;
    *ms = now_ms() - start;
    *rssKiB = usage.ru_maxrss;
    *cpuMs = tv_ms(usage.ru_utime) + tv_ms(usage.ru_stime);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "timer: %s ended with status 0x%x\n", path, status);
        return -1;
    }
    return 0;
}

static int by_value(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static double median(double* v, int n) {
    qsort(v, (size_t)n, sizeof *v, by_value);
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int main(int argc, char** argv) {
    if (argc != 7) {
        fprintf(stderr, "usage: timer RUNS WARMUPS NAME1 PROGRAM1 NAME2 PROGRAM2\n");
        return 2;
    }
    const int runs = atoi(argv[1]), warmups = atoi(argv[2]);
    if (runs < 1 || runs > 1000 || warmups < 0) {
        fprintf(stderr, "timer: RUNS must be 1..1000 and WARMUPS at least 0\n");
        return 2;
    }
    const char* names[2] = {argv[3], argv[5]};
    const char* paths[2] = {argv[4], argv[6]};
    double* ms[2] = {calloc((size_t)runs, sizeof(double)), calloc((size_t)runs, sizeof(double))};
    double* rss[2] = {calloc((size_t)runs, sizeof(double)), calloc((size_t)runs, sizeof(double))};
    double* cpu[2] = {calloc((size_t)runs, sizeof(double)), calloc((size_t)runs, sizeof(double))};
    if (!ms[0] || !ms[1] || !rss[0] || !rss[1] || !cpu[0] || !cpu[1]) return 1;
    for (int i = 0; i < warmups + runs; ++i)
        for (int p = 0; p < 2; ++p) {
            double t = 0, c = 0;
            long kib = 0;
            if (run_once(paths[p], &t, &c, &kib) != 0) return 1;
            if (i < warmups) continue;
            ms[p][i - warmups] = t;
            cpu[p][i - warmups] = c;
            rss[p][i - warmups] = (double)kib;
        }
    double mt[2], mr[2], mc[2];
    for (int p = 0; p < 2; ++p) {
        mt[p] = median(ms[p], runs);
        mr[p] = median(rss[p], runs) / 1024.0;
        mc[p] = median(cpu[p], runs);
        printf("%-12s first frame %7.2f ms   peak RSS %6.2f MiB   processor %6.2f ms   (median of "
               "%d)\n",
               names[p], mt[p], mr[p], mc[p], runs);
    }
    printf("ratio %s/%s: time %.2f x, peak RSS %.2f x, processor %.2f x\n", names[1], names[0],
           mt[1] / mt[0], mr[1] / mr[0], mc[1] / mc[0]);
    return 0;
}
