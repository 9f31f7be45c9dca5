#!/usr/bin/env bash
# Times tervano1-converti against PROJ's cs2cs on the same file of 1 000 000
# random points over Italy, geographic to Gauss-Boaga (cs2cs projects on the
# Hayford ellipsoid about 15° E; ours uses the ROMA40 zone of membership and
# the overlap zone, so it does a little more work), prints both times and
# their ratio; then the peak memory of ours on 10 000 000 rows streamed
# through standard input. Not a test: the figures depend on the machine.
#
# Usage: bench/convert_files.sh [path/to/tervano1-converti]   (default build/tervano1-converti)
# Needs cs2cs (Debian package proj-bin) and GNU time (/usr/bin/time).
set -euo pipefail
cd "$(dirname "$0")/.."
ours=${1:-build/tervano1-converti}
rows=${ROWS:-1000000}
big_rows=${BIG_ROWS:-10000000}
[ -x "$ours" ] || { echo "tervano1-converti not found at $ours: build it first" >&2; exit 2; }
command -v cs2cs >/dev/null || { echo "cs2cs not found (apt-get install proj-bin)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time not found (apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Random points: longitude and latitude in decimal degrees from Greenwich,
# then the point's name, separated by blanks (the order cs2cs reads).
points() {
  awk -v n="$1" -v seed="$2" 'BEGIN { srand(seed);
    for (i = 1; i <= n; i++)
      printf "%.8f %.8f P%d\n", 6.7 + rand() * 11.7, 36.7 + rand() * 10.3, i }'
}
points "$rows" 13 > "$work/points.txt"
# Ours reads the same file: blanks, the name in column 3, latitude in 2 and
# longitude in 1, decimal degrees from Greenwich.
options=(-q -n 2 -l greenwich -s roma40 -d spazi --nome 3 --colonne 2,1)

# Warm the page cache, then time each.
cat "$work/points.txt" > /dev/null
# Elapsed and processor seconds (user + system) of a command.
timed() { /usr/bin/time -f '%e %U %S' "$@" 2>&1 >/dev/null | tail -1; }
read -r t_cs2cs u_cs2cs s_cs2cs < <(timed sh -c "cs2cs -f %.3f +proj=latlong +ellps=intl +to +proj=tmerc \
  +ellps=intl +lon_0=15 +k=0.9996 +x_0=2520000 +y_0=0 '$work/points.txt' > '$work/cs2cs.txt'")
read -r t_ours u_ours s_ours < <(timed "$ours" "${options[@]}" "$work/points.txt" "$work/ours.txt")

echo "righe: $rows   (carico della macchina: $(cut -d' ' -f1-3 /proc/loadavg))"
echo "cs2cs:              ${t_cs2cs} s  (CPU $(awk -v u="$u_cs2cs" -v s="$s_cs2cs" 'BEGIN { print u + s }') s)"
echo "tervano1-converti:  ${t_ours} s  (CPU $(awk -v u="$u_ours" -v s="$s_ours" 'BEGIN { print u + s }') s)"
awk -v a="$t_cs2cs" -v b="$t_ours" 'BEGIN { if (b > 0) printf "rapporto (cs2cs / tervano1-converti): %.2f\n", a / b }'
echo "controllo: $(head -1 "$work/cs2cs.txt" | tr '\t' ' ')  |  $(head -1 "$work/ours.txt")"

# Peak memory on a large file, streamed: the rows are never all held.
peak=$(points "$big_rows" 17 | /usr/bin/time -f '%M' "$ours" "${options[@]}" - - 2>&1 >/dev/null | tail -1)
echo "memoria massima su $big_rows righe: $((peak / 1024)) MB (${peak} kB)"
