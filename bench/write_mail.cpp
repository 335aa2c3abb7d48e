// Writes the benchmarks' generated mail message to a file: write_mail FILE [BYTES]
// (BYTES defaults to 64 MiB), so that whole-program timings use the same bytes.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/mail_sample.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: write_mail FILE [BYTES]\n");
    return 2;
  }
  const size_t bytes = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : bench::kLargeMailBytes;
  const std::string mail = bench::MailSample(bytes);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(mail.data(), static_cast<std::streamsize>(mail.size()));
  return out ? 0 : 1;
}
